# What others' software the tool is made of, as the linker took it: every
# file of the system that the link map shows went into the tool (objects,
# archive members) or that the tool is linked against (shared libraries),
# under the Debian package that holds it, with that package's version, its
# source package and its licence. Run after the tool is linked; writes in
# SORTIE:
#   composants.json           the packages, which the SBOMs, the RPM's
#                             licence and the manifests read;
#   THIRD-PARTY-NOTICES.txt   with NOTICES=ON (the packages whose tool is
#                             linked statically): for each package whose
#                             code is inside the tool, its licence and, where
#                             the licence asks for it, its full text.
#
#   cmake -DCARTE=<link map> -DSORTIE=<folder> -DNOTICES=<ON|CRLF|OFF>
#         -DPROGRAMME=<what the notices call the tool> -DSPDX=<the tool's own licence>
#         -DDEPOT=<repository's address> -DVERSION=<version> -P tiers.cmake
cmake_minimum_required(VERSION 3.25)

# The licence of each Debian package the tool may be made of, as SPDX names
# it, and whether that licence asks for its text beside the program (GCC's
# runtime library exception does not). A package that none of these names
# stops a build that writes the notices: its licence must be read before the
# tool ships it.
# Each rule: package name (a regular expression) # licence # "texte" or not.
set(licences
    "^libc6(-dev)?$#LGPL-2.1-or-later#texte"
    "^(libgcc-s1|libgcc-[0-9]+-dev|libstdc\\+\\+6|libstdc\\+\\+-[0-9]+-dev|g(cc|\\+\\+)-mingw-w64-.*)$#GPL-3.0-or-later WITH GCC-exception-3.1#"
    "^mingw-w64-.*-dev$#ZPL-2.1 AND MIT AND BSD-3-Clause#texte")
# The full texts that Debian keeps apart from the packages' copyright files.
set(textes_communs "LGPL-2.1-or-later#LGPL-2.1")

find_program(DPKG_QUERY dpkg-query REQUIRED)

# The Debian package that holds `fichier`, as "name;version;architecture;
# source;source version", or nothing. dpkg knows each file by the path its
# package gives it: with a merged /usr, /usr/lib/x/libc.so.6 is
# /lib/x/libc.so.6, and the other way round.
function(paquet_de fichier variable)
  set(${variable} "" PARENT_SCOPE)
  string(REGEX REPLACE "^/usr(/lib[^/]*/)" "\\1" sans_usr "${fichier}")
  string(REGEX REPLACE "^(/lib[^/]*/)" "/usr\\1" avec_usr "${fichier}")
  foreach(chemin IN ITEMS "${fichier}" "${sans_usr}" "${avec_usr}")
    execute_process(COMMAND "${DPKG_QUERY}" -S "${chemin}" OUTPUT_VARIABLE proprietaire ERROR_QUIET
                    RESULT_VARIABLE statut)
    if(statut EQUAL 0 AND proprietaire MATCHES "^([^:,]+)(:[^:]+)?: ")
      execute_process(
        COMMAND "${DPKG_QUERY}" -W "-f=\${Package};\${Version};\${Architecture};\${source:Package};\${source:Version}"
                "${CMAKE_MATCH_1}${CMAKE_MATCH_2}" OUTPUT_VARIABLE description ERROR_QUIET)
      set(${variable} "${description}" PARENT_SCOPE)
      return()
    endif()
  endforeach()
endfunction()

# From the link map: the system's files that went into the tool (objects,
# archives a member was taken from) in `dedans`, and those it is linked
# against (shared libraries, linker scripts) in `contre`.
function(fichiers_lies carte)
  file(STRINGS "${carte}" lignes)
  set(dedans "")
  set(contre "")
  set(dans_archives FALSE)
  foreach(ligne IN LISTS lignes)
    if(ligne MATCHES "^Archive member included")
      set(dans_archives TRUE)
    elseif(ligne MATCHES "^(Discarded input sections|Allocating common symbols|Memory Configuration)")
      set(dans_archives FALSE)
    elseif(dans_archives AND ligne MATCHES "^(/[^(]+)\\(")
      list(APPEND dedans "${CMAKE_MATCH_1}")
    elseif(ligne MATCHES "^LOAD (/.+)$")
      set(charge "${CMAKE_MATCH_1}")
      if(charge MATCHES "\\.o(bj)?$")
        list(APPEND dedans "${charge}")
      elseif(NOT charge MATCHES "\\.a$")  # an archive counts when a member of it is taken
        list(APPEND contre "${charge}")
      endif()
    endif()
  endforeach()
  foreach(liste IN ITEMS dedans contre)
    set(normalises "")
    foreach(fichier IN LISTS ${liste})
      get_filename_component(normal "${fichier}" ABSOLUTE)  # without its ..
      list(APPEND normalises "${normal}")
      if(normal MATCHES "\\.so(\\.[0-9]+)*$")  # and the file a symbolic link leads to, which runs
        file(REAL_PATH "${normal}" reel)
        list(APPEND normalises "${reel}")
      endif()
    endforeach()
    list(REMOVE_DUPLICATES normalises)
    list(SORT normalises)
    set(${liste} "${normalises}" PARENT_SCOPE)
  endforeach()
endfunction()

include("${CMAKE_CURRENT_LIST_DIR}/sbom.cmake")  # ajouter(), which appends to a JSON array

if(NOTICES)
  set(severite FATAL_ERROR)
else()
  set(severite WARNING)
endif()
fichiers_lies("${CARTE}")
set(noms "")
foreach(genre IN ITEMS dedans contre)
  foreach(fichier IN LISTS ${genre})
    paquet_de("${fichier}" description)
    if(NOT description)
      # The notices must name all that the tool holds; a list for an SBOM
      # only names what it can.
      message(${severite} "no Debian package holds ${fichier}, which the tool is linked with")
      continue()
    endif()
    list(GET description 0 nom)
    string(MAKE_C_IDENTIFIER "${nom}" cle)
    if(NOT nom IN_LIST noms)
      list(APPEND noms "${nom}")
      set(description_${cle} "${description}")
      set(fichiers_${cle} "")
      set(dedans_${cle} false)
    endif()
    get_filename_component(court "${fichier}" NAME)
    list(APPEND fichiers_${cle} "${court}")
    if(genre STREQUAL "dedans")
      set(dedans_${cle} true)
    endif()
  endforeach()
endforeach()
list(SORT noms)

# Debian's name for the system the build ran on, for package URLs.
set(distribution "")
if(EXISTS /etc/os-release)
  file(STRINGS /etc/os-release identite REGEX "^(ID|VERSION_ID)=")
  foreach(ligne IN LISTS identite)
    string(REGEX REPLACE "^([A-Z_]+)=\"?([^\"]*)\"?$" "\\1;\\2" champ "${ligne}")
    list(GET champ 0 cle)
    list(GET champ 1 ${cle})
  endforeach()
  if(ID AND VERSION_ID)
    set(distribution "&distro=${ID}-${VERSION_ID}")
  endif()
endif()

set(composants "[]")
set(notices "")
set(textes "")
foreach(nom IN LISTS noms)
  string(MAKE_C_IDENTIFIER "${nom}" cle)
  list(GET description_${cle} 1 version)
  list(GET description_${cle} 2 architecture)
  list(GET description_${cle} 3 source)
  list(GET description_${cle} 4 version_source)
  string(REGEX REPLACE "-[a-z0-9]+-cross$" "" nom_amont "${nom}")  # Debian's cross packages
  set(licence "")
  set(avec_texte "")
  foreach(regle IN LISTS licences)
    string(REPLACE "#" ";" regle "${regle}")
    list(GET regle 0 motif)
    if(nom_amont MATCHES "${motif}")
      list(GET regle 1 licence)
      list(GET regle 2 avec_texte)
      break()
    endif()
  endforeach()
  if(NOT licence)
    message(${severite} "the tool is linked with Debian's ${nom}, whose licence cmake/tiers.cmake does not know: "
                        "read it (/usr/share/doc/${nom}/copyright) and add it there")
  endif()
  list(REMOVE_DUPLICATES fichiers_${cle})
  list(JOIN fichiers_${cle} ", " liste)
  # Debian's URL-safe spelling of a version: + and the epoch's : escaped.
  string(REPLACE "+" "%2B" nom_purl "${nom}")
  string(REPLACE "+" "%2B" version_purl "${version}")
  string(REPLACE ":" "%3A" version_purl "${version_purl}")
  set(objet "{}")
  foreach(champ IN ITEMS nom version architecture source version_source licence liste)
    string(JSON objet SET "${objet}" ${champ} "\"${${champ}}\"")
  endforeach()
  string(JSON objet SET "${objet}" purl
         "\"pkg:deb/debian/${nom_purl}@${version_purl}?arch=${architecture}${distribution}\"")
  string(JSON objet SET "${objet}" dedans ${dedans_${cle}})
  ajouter("${objet}" composants)

  if(dedans_${cle})
    string(APPEND notices "\n${nom} ${version}, from Debian 12\n  Licence: ${licence}\n  Taken into the program: ${liste}\n")
    if(licence MATCHES "LGPL")
      string(REGEX REPLACE "^[0-9]+:" "" version_source "${version_source}")  # no epoch in file names
      string(APPEND notices
             "  Its source, as Debian built it: the source package ${source} ${version_source}, which the release\n"
             "  publishes beside this package (${source}_${version_source}.dsc and the files it names), also at\n"
             "  https://snapshot.debian.org/package/${source}/${version_source}/. The source archive of\n"
             "  ${PROGRAMME} (info_rle-${VERSION}.tar.gz, ${DEPOT}) lets anyone build the program again against\n"
             "  a changed ${source}: see its README, \"Build from the sources\".\n")
    endif()
    if(avec_texte)
      file(READ "/usr/share/doc/${nom}/copyright" copyright)
      string(APPEND textes "\n==== ${nom}: Debian's copyright file ====\n\n${copyright}")
      foreach(commun IN LISTS textes_communs)
        string(REPLACE "#" ";" commun "${commun}")
        list(GET commun 0 identifiant)
        list(GET commun 1 fichier)
        if(licence MATCHES "${identifiant}" AND NOT textes MATCHES "==== ${fichier} ====")
          file(READ "/usr/share/common-licenses/${fichier}" texte)
          string(APPEND textes "\n==== ${fichier} ====\n\n${texte}")
        endif()
      endforeach()
    else()
      string(APPEND notices "  Its licence asks for no notice in the program; its terms: /usr/share/doc/${nom}/copyright\n"
             "  on Debian, https://www.gnu.org/licenses/gcc-exception-3.1.html\n")
    endif()
  endif()
endforeach()

file(MAKE_DIRECTORY "${SORTIE}")
file(WRITE "${SORTIE}/composants.json" "${composants}\n")
if(NOTICES)
  string(CONCAT texte
         "Others' software in ${PROGRAMME} ${VERSION}\n\n"
         "${PROGRAMME} is under the ${SPDX} licence (LICENSE). This build of it is linked statically: the\n"
         "program holds parts of the following software, each under its own licence, as Debian 12's\n"
         "packages supplied them. The full texts follow the list where a licence asks for them.\n")
  string(APPEND texte "${notices}${textes}")
  if(NOTICES STREQUAL "CRLF")  # for Windows' Notepad, as README.txt
    string(REPLACE "\n" "\r\n" texte "${texte}")
  endif()
  file(WRITE "${SORTIE}/THIRD-PARTY-NOTICES.txt" "${texte}")
endif()
