# Run by CPack after it makes each package (CPACK_POST_BUILD_SCRIPTS): writes
# beside it <package>.cdx.json, its software bill of materials (CycloneDX
# 1.5, JSON). A package holding the tool names the tool, the reader linked
# into it, and every file of the system the linker took into it or linked it
# against, as the tool's link map lists them, each under the Debian package
# that holds that file, with the version dpkg-query gives. A package of the
# reader alone names the reader, which links nothing in. Where there is no
# link map or no dpkg (macOS, Visual Studio), the C++ runtime is named after
# the SDK or the compiler that provides it.
#
# The same bytes from the same package: the time is SOURCE_DATE_EPOCH's, the
# serial number is made from the package's SHA-256, and nothing names the
# folder it was built in.
find_program(INFO_RLE_DPKG_QUERY dpkg-query)
string(TIMESTAMP moment "%Y-%m-%dT%H:%M:%SZ" UTC)

# Debian's name for the system the build ran on, for package URLs.
set(distribution "")
if(EXISTS /etc/os-release)
  file(STRINGS /etc/os-release identite REGEX "^(ID|VERSION_ID)=")
  foreach(ligne IN LISTS identite)
    string(REGEX REPLACE "^[A-Z_]+=\"?([^\"]*)\"?$" "\\1" valeur "${ligne}")
    if(ligne MATCHES "^ID=")
      set(nom_distribution "${valeur}")
    else()
      set(version_distribution "${valeur}")
    endif()
  endforeach()
  set(distribution "${nom_distribution}-${version_distribution}")
endif()

# The Debian package that holds `fichier`, as "name;version;architecture",
# or nothing. dpkg knows each file by the path its package gives it: with a
# merged /usr, /usr/lib/x/libc.so.6 is /lib/x/libc.so.6.
function(paquet_de fichier variable)
  set(${variable} "" PARENT_SCOPE)
  string(REGEX REPLACE "^/usr(/lib[^/]*/)" "\\1" sans_usr "${fichier}")
  foreach(chemin IN ITEMS "${fichier}" "${sans_usr}")
    execute_process(COMMAND "${INFO_RLE_DPKG_QUERY}" -S "${chemin}" OUTPUT_VARIABLE proprietaire ERROR_QUIET
                    RESULT_VARIABLE statut)
    if(statut EQUAL 0 AND proprietaire MATCHES "^([^:,]+)(:[^:]+)?: ")
      set(paquet "${CMAKE_MATCH_1}${CMAKE_MATCH_2}")
      execute_process(COMMAND "${INFO_RLE_DPKG_QUERY}" -W "-f=\${Package};\${Version};\${Architecture}" "${paquet}"
                      OUTPUT_VARIABLE description ERROR_QUIET)
      set(${variable} "${description}" PARENT_SCOPE)
      return()
    endif()
  endforeach()
endfunction()

# From the link map: the system's files that went into the tool (objects,
# archives a member was taken from) or that it links against (shared
# libraries, linker scripts), with the link's own files left aside.
function(fichiers_lies carte variable)
  file(STRINGS "${carte}" lignes)
  set(fichiers "")
  set(dans_archives FALSE)
  foreach(ligne IN LISTS lignes)
    if(ligne MATCHES "^Archive member included")
      set(dans_archives TRUE)
    elseif(ligne MATCHES "^(Discarded input sections|Allocating common symbols|Memory Configuration)")
      set(dans_archives FALSE)
    elseif(dans_archives AND ligne MATCHES "^(/[^(]+)\\(")
      list(APPEND fichiers "${CMAKE_MATCH_1}")
    elseif(ligne MATCHES "^LOAD (/.+)$")
      set(charge "${CMAKE_MATCH_1}")
      if(NOT charge MATCHES "\\.a$")  # an archive counts when a member of it is taken
        list(APPEND fichiers "${charge}")
      endif()
    endif()
  endforeach()
  set(normalises "")
  foreach(fichier IN LISTS fichiers)
    get_filename_component(normal "${fichier}" ABSOLUTE)  # without its ..
    list(APPEND normalises "${normal}")
    if(normal MATCHES "\\.so(\\.[0-9]+)*$")  # and the file a symbolic link leads to, which runs
      file(REAL_PATH "${normal}" reel)
      list(APPEND normalises "${reel}")
    endif()
  endforeach()
  list(REMOVE_DUPLICATES normalises)
  list(SORT normalises)
  set(${variable} "${normalises}" PARENT_SCOPE)
endfunction()

function(ajouter json variable)  # appends `json` to the JSON array in `variable`
  string(JSON longueur LENGTH "${${variable}}")
  string(JSON liste SET "${${variable}}" ${longueur} "${json}")
  set(${variable} "${liste}" PARENT_SCOPE)
endfunction()

function(licence_mit json variable)
  string(JSON objet SET "${json}" licenses "[{\"license\":{\"id\":\"MIT\"}}]")
  set(${variable} "${objet}" PARENT_SCOPE)
endfunction()

foreach(paquet IN LISTS CPACK_PACKAGE_FILES)
  get_filename_component(nom "${paquet}" NAME)
  file(SHA256 "${paquet}" empreinte)
  set(avec_outil TRUE)
  if(nom MATCHES "-(dev|devel)[-_]")
    set(avec_outil FALSE)
  endif()

  set(lecteur "{\"type\":\"library\",\"bom-ref\":\"rle_file\",\"name\":\"rle_file\"}")
  string(JSON lecteur SET "${lecteur}" version "\"${CPACK_PACKAGE_VERSION}\"")
  licence_mit("${lecteur}" lecteur)
  set(composants "[]")
  set(dependances "[]")
  if(avec_outil)
    set(principal "{\"type\":\"application\",\"bom-ref\":\"info_rle\",\"name\":\"info_rle\"}")
    string(JSON lecteur SET "${lecteur}" description "\"the reader, linked into the tool\"")
    ajouter("${lecteur}" composants)
    set(references "[\"rle_file\"]")

    if(CPACK_INFO_RLE_CARTE AND EXISTS "${CPACK_INFO_RLE_CARTE}" AND INFO_RLE_DPKG_QUERY)
      fichiers_lies("${CPACK_INFO_RLE_CARTE}" fichiers)
      set(noms "")
      foreach(fichier IN LISTS fichiers)
        paquet_de("${fichier}" description)
        if(NOT description)
          message(FATAL_ERROR "${nom}: no Debian package holds ${fichier}, which the tool is linked with")
        endif()
        list(GET description 0 nom_paquet)
        string(MAKE_C_IDENTIFIER "${nom_paquet}" cle)
        if(NOT nom_paquet IN_LIST noms)
          list(APPEND noms "${nom_paquet}")
          set(description_${cle} "${description}")
          set(fichiers_${cle} "")
        endif()
        get_filename_component(court "${fichier}" NAME)
        list(APPEND fichiers_${cle} "${court}")
      endforeach()
      list(SORT noms)
      foreach(nom_paquet IN LISTS noms)
        string(MAKE_C_IDENTIFIER "${nom_paquet}" cle)
        list(GET description_${cle} 1 version)
        list(GET description_${cle} 2 architecture)
        string(REPLACE "+" "%2B" nom_purl "${nom_paquet}")
        string(REPLACE "+" "%2B" version_purl "${version}")
        string(REPLACE ":" "%3A" version_purl "${version_purl}")  # an epoch
        set(purl "pkg:deb/debian/${nom_purl}@${version_purl}?arch=${architecture}")
        if(distribution)
          string(APPEND purl "&distro=${distribution}")
        endif()
        list(REMOVE_DUPLICATES fichiers_${cle})
        list(JOIN fichiers_${cle} ", " liste)
        set(objet "{\"type\":\"library\"}")
        string(JSON objet SET "${objet}" bom-ref "\"${purl}\"")
        string(JSON objet SET "${objet}" name "\"${nom_paquet}\"")
        string(JSON objet SET "${objet}" version "\"${version}\"")
        string(JSON objet SET "${objet}" purl "\"${purl}\"")
        string(JSON objet SET "${objet}" description "\"linked: ${liste}\"")
        ajouter("${objet}" composants)
        ajouter("\"${purl}\"" references)
      endforeach()
    else()
      # The runtime comes with the SDK (macOS) or the compiler (Visual Studio).
      if(CPACK_SYSTEM_NAME MATCHES "Darwin|macOS")
        execute_process(COMMAND xcrun --show-sdk-version OUTPUT_VARIABLE version OUTPUT_STRIP_TRAILING_WHITESPACE)
        set(objet "{\"type\":\"library\",\"bom-ref\":\"sdk\",\"name\":\"macOS SDK (libc++, libSystem)\"}")
      else()
        set(version "${CPACK_INFO_RLE_VERSION_COMPILATEUR}")
        set(objet "{\"type\":\"library\",\"bom-ref\":\"sdk\",\"name\":\"${CPACK_INFO_RLE_COMPILATEUR} C++ runtime\"}")
      endif()
      string(JSON objet SET "${objet}" version "\"${version}\"")
      ajouter("${objet}" composants)
      ajouter("\"sdk\"" references)
    endif()
    ajouter("{\"ref\":\"info_rle\",\"dependsOn\":${references}}" dependances)
  else()
    set(principal "${lecteur}")
  endif()
  ajouter("{\"ref\":\"rle_file\",\"dependsOn\":[]}" dependances)
  string(JSON principal SET "${principal}" version "\"${CPACK_PACKAGE_VERSION}\"")
  licence_mit("${principal}" principal)
  string(JSON principal SET "${principal}" externalReferences "[{\"type\":\"vcs\",\"url\":\"${CPACK_INFO_RLE_DEPOT}\"}]")

  set(outil "{\"type\":\"application\",\"name\":\"CMake\",\"version\":\"${CMAKE_VERSION}\"}")
  set(metadonnees "{}")
  string(JSON metadonnees SET "${metadonnees}" timestamp "\"${moment}\"")
  string(JSON metadonnees SET "${metadonnees}" tools "{\"components\":[${outil}]}")
  string(JSON metadonnees SET "${metadonnees}" component "${principal}")
  string(JSON metadonnees SET "${metadonnees}" properties
         "[{\"name\":\"info_rle:package\",\"value\":\"${nom}\"},{\"name\":\"info_rle:package-sha256\",\"value\":\"${empreinte}\"}]")
  string(UUID numero NAMESPACE 6ba7b811-9dad-11d1-80b4-00c04fd430c8 NAME "${nom}@${empreinte}" TYPE SHA1)  # the URL namespace
  set(nomenclature "{\"bomFormat\":\"CycloneDX\",\"specVersion\":\"1.5\",\"version\":1}")
  string(JSON nomenclature SET "${nomenclature}" serialNumber "\"urn:uuid:${numero}\"")
  string(JSON nomenclature SET "${nomenclature}" metadata "${metadonnees}")
  string(JSON nomenclature SET "${nomenclature}" components "${composants}")
  string(JSON nomenclature SET "${nomenclature}" dependencies "${dependances}")
  file(WRITE "${CPACK_PACKAGE_DIRECTORY}/${nom}.cdx.json" "${nomenclature}\n")
  message(STATUS "SBOM: ${CPACK_PACKAGE_DIRECTORY}/${nom}.cdx.json")
endforeach()
