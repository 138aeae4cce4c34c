# What others' software the tool is made of, as the linker took it: every
# file of the system that the link map shows went into the tool (objects,
# archive members) or that the tool is linked against (shared libraries),
# under the Debian package that holds it, with that package's version, its
# source package and its licence. Run after the tool is linked; writes in
# SORTIE:
#   composants.json           the packages, which the SBOMs, the RPM's
#                             licence and the manifests read;
#   construction.json         the compiler's and the C headers' packages;
#   rle_file.sha256           the SHA-256 of the reader linked into it;
#   THIRD-PARTY-NOTICES.txt   with NOTICES=ON (the packages whose tool is
#                             linked statically): for each package whose
#                             code is inside the tool, its licence and, where
#                             the licence asks for it, its full text.
#
#   cmake -DCARTE=<link map> -DSORTIE=<folder> -DNOTICES=<ON|CRLF|OFF>
#         -DPROGRAMME=<what the notices call the tool> -DSPDX=<the tool's own licence>
#         -DDEPOT=<repository's address> -DVERSION=<version>
#         -DCOMPILATEUR=<the C++ compiler> -DENTETES=<the C library's stdio.h it reads>
#         -DLECTEUR=<the reader's library> -P tiers.cmake
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
# Code that some members of an archive hold under a licence of their own,
# as the package's Debian copyright file lists it. Each rule: package name #
# member (regular expressions) # licence. mingw-w64's gdtoa
# (mingw-w64-crt/gdtoa/*, and stdio/mingw_pformat.c, which uses it) is under
# Lucent's permission notice, two of its files under David M. Gay's: SPDX
# names neither.
set(licences_des_membres
    "^mingw-w64-.*-dev$#_libmingwex_a-(arithchk|dmisc|dtoa|g__fmt|g_[dfx]fmt|gdtoa|gethex|gmisc|hd_init|hexnan|misc|smisc|strtodg|strtof|strtopx|sum|ulp|mingw_pformat)\\.o$#LicenseRef-Lucent"
    "^mingw-w64-.*-dev$#_libmingwex_a-(qnan|strtodnrp)\\.o$#LicenseRef-David-Gay")
# The full texts that Debian keeps apart from the packages' copyright files.
set(textes_communs "LGPL-2.1-or-later#LGPL-2.1")

find_program(DPKG_QUERY dpkg-query REQUIRED)
execute_process(COMMAND "${DPKG_QUERY}" -W -f=\${Architecture} dpkg OUTPUT_VARIABLE architecture_native)

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
    # "package[:architecture][, ...]: path", several for a file that
    # packages of several architectures share (Multi-Arch: same).
    if(statut EQUAL 0 AND proprietaire MATCHES "^([^ ,:]+(:[^ ,:]+)?)(, [^ ,:]+(:[^ ,:]+)?)*: ")
      string(REGEX REPLACE ": .*$" "" paquets "${proprietaire}")
      string(REPLACE ", " ";" paquets "${paquets}")
      list(GET paquets 0 paquet)
      foreach(un_paquet IN LISTS paquets)
        if(un_paquet MATCHES ":${architecture_native}$")
          set(paquet "${un_paquet}")
        endif()
      endforeach()
      execute_process(
        COMMAND "${DPKG_QUERY}" -W "-f=\${Package};\${Version};\${Architecture};\${source:Package};\${source:Version}"
                "${paquet}" OUTPUT_VARIABLE description ERROR_QUIET)
      set(${variable} "${description}" PARENT_SCOPE)
      return()
    endif()
  endforeach()
endfunction()

# From the link map: the system's files that went into the tool (objects,
# archives a member was taken from) in `dedans`, with each archive's members
# in membres_<C identifier of its path>; and the shared libraries it is
# linked against in `contre`. A linker script (libc.so, libgcc_s.so) is
# neither: only the libraries it names count.
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
    elseif(dans_archives AND ligne MATCHES "^(/[^(]+)\\(([^)]+)\\)")
      get_filename_component(archive "${CMAKE_MATCH_1}" ABSOLUTE)  # without its ..
      list(APPEND dedans "${archive}")
      string(MAKE_C_IDENTIFIER "${archive}" cle)
      list(APPEND membres_${cle} "${CMAKE_MATCH_2}")
      set(membres_${cle} "${membres_${cle}}" PARENT_SCOPE)
    elseif(ligne MATCHES "^LOAD (/.+)$")
      get_filename_component(charge "${CMAKE_MATCH_1}" ABSOLUTE)
      if(charge MATCHES "\\.o(bj)?$")
        list(APPEND dedans "${charge}")
      elseif(charge MATCHES "\\.so(\\.[0-9]+)*$")  # an archive counts when a member of it is taken
        file(READ "${charge}" entete LIMIT 4 HEX)
        if(entete STREQUAL "7f454c46")  # ELF, not a linker script
          list(APPEND contre "${charge}")
          file(REAL_PATH "${charge}" reel)  # and the file a symbolic link leads to, which runs
          list(APPEND contre "${reel}")
        endif()
      endif()
    endif()
  endforeach()
  foreach(liste IN ITEMS dedans contre)
    list(REMOVE_DUPLICATES ${liste})
    list(SORT ${liste})
    set(${liste} "${${liste}}" PARENT_SCOPE)
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
      set(dedans_${cle} "")
      set(contre_${cle} "")
      set(membres_du_paquet_${cle} "")
    endif()
    get_filename_component(court "${fichier}" NAME)
    list(APPEND ${genre}_${cle} "${court}")
    string(MAKE_C_IDENTIFIER "${fichier}" cle_fichier)
    list(APPEND membres_du_paquet_${cle} ${membres_${cle_fichier}})
  endforeach()
endforeach()
list(SORT noms)

# The system the build ran on, as its os-release names it: in the notices
# ("Debian GNU/Linux 12") and in the package URLs (namespace debian,
# distro=debian-12).
set(NAME Debian)
set(ID debian)
set(VERSION_ID "")
if(EXISTS /etc/os-release)
  file(STRINGS /etc/os-release identite REGEX "^(NAME|ID|VERSION_ID)=")
  foreach(ligne IN LISTS identite)
    string(REGEX REPLACE "^([A-Z_]+)=\"?([^\"]*)\"?$" "\\1;\\2" champ "${ligne}")
    list(GET champ 0 variable)
    list(GET champ 1 ${variable})
  endforeach()
endif()
string(STRIP "${NAME} ${VERSION_ID}" systeme)
set(distro "")
if(VERSION_ID)
  set(distro "&distro=${ID}-${VERSION_ID}")
endif()

# The package URL of a Debian package, its version spelt URL-safe (+ and the
# epoch's : escaped).
function(purl_debian nom version architecture variable)
  string(REPLACE "+" "%2B" nom "${nom}")
  string(REPLACE "+" "%2B" version "${version}")
  string(REPLACE ":" "%3A" version "${version}")
  set(${variable} "pkg:deb/${ID}/${nom}@${version}?arch=${architecture}${distro}" PARENT_SCOPE)
endfunction()

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
  # The licences of what was taken of it, where some members have their own.
  set(sous_licences "")
  foreach(regle IN LISTS licences_des_membres)
    string(REPLACE "#" ";" regle "${regle}")
    list(GET regle 0 motif)
    list(GET regle 1 membre)
    set(pris "${membres_du_paquet_${cle}}")
    list(FILTER pris INCLUDE REGEX "${membre}")
    if(nom_amont MATCHES "${motif}" AND pris)
      list(GET regle 2 licence_membres)
      string(APPEND licence " AND ${licence_membres}")
      list(SORT pris)
      list(JOIN pris ", " pris)
      string(APPEND sous_licences "  Under ${licence_membres}: ${pris}\n")
    endif()
  endforeach()
  if(NOT licence)
    message(${severite} "the tool is linked with Debian's ${nom}, whose licence cmake/publication/tiers.cmake does not know: "
                        "read it (/usr/share/doc/${nom}/copyright) and add it there")
  endif()
  foreach(genre IN ITEMS dedans contre)
    list(REMOVE_DUPLICATES ${genre}_${cle})
    list(JOIN ${genre}_${cle} ", " ${genre})
  endforeach()
  purl_debian("${nom}" "${version}" "${architecture}" purl)
  set(objet "{}")
  foreach(champ IN ITEMS nom version architecture source version_source licence dedans contre purl)
    string(JSON objet SET "${objet}" ${champ} "\"${${champ}}\"")
  endforeach()
  ajouter("${objet}" composants)

  if(dedans)
    string(APPEND notices "\n${nom} ${version}, from ${systeme}\n  Licence: ${licence}\n  Taken into the program: ${dedans}\n"
           "${sous_licences}")
    if(licence MATCHES "LGPL")
      string(REGEX REPLACE "^[0-9]+:" "" version_source "${version_source}")  # no epoch in file names
      string(APPEND notices
             "  Its source, as Debian built it: the source package ${source} ${version_source}, which the release\n"
             "  publishes beside this package (${source}_${version_source}.dsc and the files it names), also at\n"
             "  https://snapshot.debian.org/package/${source}/${version_source}/. The source archive of\n"
             "  ${PROGRAMME} (info_rle-${VERSION}.tar.gz, ${DEPOT}) lets anyone link the program again against\n"
             "  a changed ${source}: see its HACKING.md, \"Linking against another C library\".\n")
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

# What built the tool, which the SBOMs name as its formulation: the
# compiler's package, and that of the C library's headers it compiled
# against (for a cross compiler, Debian's cross packages, which give their
# own versions).
set(construction "[]")
foreach(role IN ITEMS COMPILATEUR ENTETES)
  file(REAL_PATH "${${role}}" fichier)
  paquet_de("${fichier}" description)
  if(NOT description)
    message(${severite} "no Debian package holds ${fichier}, which built the tool")
    continue()
  endif()
  list(GET description 0 nom)
  list(GET description 1 version)
  list(GET description 2 architecture)
  purl_debian("${nom}" "${version}" "${architecture}" purl)
  if(role STREQUAL "COMPILATEUR")
    set(objet "{\"type\":\"application\",\"description\":\"the compiler\"}")
  else()
    set(objet "{\"type\":\"library\",\"description\":\"the C library's headers\"}")
  endif()
  string(JSON objet SET "${objet}" name "\"${nom}\"")
  string(JSON objet SET "${objet}" version "\"${version}\"")
  string(JSON objet SET "${objet}" purl "\"${purl}\"")
  string(JSON objet SET "${objet}" supplier "{\"name\":\"${NAME}\"}")
  ajouter("${objet}" construction)
endforeach()

file(MAKE_DIRECTORY "${SORTIE}")
file(WRITE "${SORTIE}/composants.json" "${composants}\n")
file(WRITE "${SORTIE}/construction.json" "${construction}\n")
file(SHA256 "${LECTEUR}" empreinte)
file(WRITE "${SORTIE}/rle_file.sha256" "${empreinte}\n")
if(NOTICES)
  string(CONCAT texte
         "Others' software in ${PROGRAMME} ${VERSION}\n\n"
         "${PROGRAMME} is under the ${SPDX} licence (LICENSE). This build of it is linked statically: the\n"
         "program holds parts of the following software, each under its own licence, as ${systeme}'s\n"
         "packages supplied them. The full texts follow the list where a licence asks for them.\n")
  string(APPEND texte "${notices}${textes}")
  if(NOTICES STREQUAL "CRLF")  # for Windows' Notepad, as README.txt
    string(REPLACE "\n" "\r\n" texte "${texte}")
  endif()
  file(WRITE "${SORTIE}/THIRD-PARTY-NOTICES.txt" "${texte}")
endif()
