# The software bill of materials of a package: <package>.cdx.json beside it
# (CycloneDX 1.5, JSON), as CycloneDX's strict schema and the NTIA's minimum
# elements ask: its author and supplier, the package itself with its purl
# and SHA-256, and each component with its supplier, version, purl and
# licence. A package holding the tool names the tool, the reader linked into
# it, and every Debian package the linker took a file from or linked the
# tool against (tiers/composants.json, which tiers.cmake writes from
# the link map); where there is none (macOS, Visual Studio), the SDK or the
# compiler whose runtime the tool uses. A package of the reader alone names
# the reader, which links nothing in.
#
# Run by CPack after it makes each package (CPACK_POST_BUILD_SCRIPTS); the
# source archive's script includes it and calls info_rle_sbom() itself. The
# same bytes from the same package: the time is SOURCE_DATE_EPOCH's, the
# serial number is made from the package's SHA-256, and nothing names the
# folder it was built in.

function(ajouter json variable)  # appends `json` to the JSON array in `variable`
  string(JSON longueur LENGTH "${${variable}}")
  string(JSON liste SET "${${variable}}" ${longueur} "${json}")
  set(${variable} "${liste}" PARENT_SCOPE)
endfunction()

# info_rle_sbom(<package> <folder> <its main component> <other components>
# <dependencies> <what built it>) with AUTEURS, DEPOT and VERSION set: writes
# the SBOM in the folder, from the JSON objects and arrays as CycloneDX has
# them, the main component without its purl and hashes, which come from the
# package's name and bytes; what built it (the compiler, the C library's
# headers), when known, as its formulation.
function(info_rle_sbom paquet dossier principal composants dependances construction)
  get_filename_component(nom "${paquet}" NAME)
  file(SHA256 "${paquet}" empreinte)
  # Our own .deb and .rpm: the namespace is the vendor's, the project.
  if(nom MATCHES "^([^_]+)_([^_]+)_([^_.]+)\\.deb$")
    set(purl "pkg:deb/info_rle/${CMAKE_MATCH_1}@${CMAKE_MATCH_2}?arch=${CMAKE_MATCH_3}")
  elseif(nom MATCHES "^(.+)-([^-]+-[^-]+)\\.([^.]+)\\.rpm$")
    set(purl "pkg:rpm/info_rle/${CMAKE_MATCH_1}@${CMAKE_MATCH_2}?arch=${CMAKE_MATCH_3}")
  else()
    set(purl "pkg:generic/info_rle@${VERSION}?download_url=${DEPOT}/releases/download/v${VERSION}/${nom}")
  endif()
  string(REPLACE "+" "%2B" purl "${purl}")
  string(JSON principal SET "${principal}" purl "\"${purl}\"")
  string(JSON principal SET "${principal}" hashes "[{\"alg\":\"SHA-256\",\"content\":\"${empreinte}\"}]")
  string(JSON principal SET "${principal}" externalReferences "[{\"type\":\"vcs\",\"url\":\"${DEPOT}\"}]")

  string(TIMESTAMP moment "%Y-%m-%dT%H:%M:%SZ" UTC)
  set(metadonnees "{}")
  string(JSON metadonnees SET "${metadonnees}" timestamp "\"${moment}\"")
  string(JSON metadonnees SET "${metadonnees}" tools
         "{\"components\":[{\"type\":\"application\",\"name\":\"CMake\",\"version\":\"${CMAKE_VERSION}\"}]}")
  string(JSON metadonnees SET "${metadonnees}" authors "[{\"name\":\"${AUTEURS}\"}]")
  string(JSON metadonnees SET "${metadonnees}" supplier "{\"name\":\"${AUTEURS}\",\"url\":[\"${DEPOT}\"]}")
  string(JSON metadonnees SET "${metadonnees}" component "${principal}")
  string(UUID numero NAMESPACE 6ba7b811-9dad-11d1-80b4-00c04fd430c8 NAME "${nom}@${empreinte}" TYPE SHA1)  # the URL namespace
  set(nomenclature "{\"bomFormat\":\"CycloneDX\",\"specVersion\":\"1.5\",\"version\":1}")
  string(JSON nomenclature SET "${nomenclature}" serialNumber "\"urn:uuid:${numero}\"")
  string(JSON nomenclature SET "${nomenclature}" metadata "${metadonnees}")
  string(JSON nomenclature SET "${nomenclature}" components "${composants}")
  string(JSON nomenclature SET "${nomenclature}" dependencies "${dependances}")
  string(JSON longueur LENGTH "${construction}")
  if(longueur GREATER 0)
    string(JSON nomenclature SET "${nomenclature}" formulation
           "[{\"bom-ref\":\"construction\",\"components\":${construction}}]")
  endif()
  file(WRITE "${dossier}/${nom}.cdx.json" "${nomenclature}\n")
  message(STATUS "SBOM: ${dossier}/${nom}.cdx.json")
endfunction()

# A component of ours: the tool or the reader. The reader, which the
# release publishes only in its source archive, is named by that archive.
function(info_rle_composant_du_projet type nom variable)
  set(objet "{\"type\":\"${type}\"}")
  string(JSON objet SET "${objet}" bom-ref "\"${nom}\"")
  string(JSON objet SET "${objet}" name "\"${nom}\"")
  string(JSON objet SET "${objet}" version "\"${VERSION}\"")
  if(nom STREQUAL "rle_file")
    string(JSON objet SET "${objet}" purl
           "\"pkg:generic/rle_file@${VERSION}?download_url=${DEPOT}/releases/download/v${VERSION}/info_rle-${VERSION}.tar.gz\"")
  endif()
  string(JSON objet SET "${objet}" supplier "{\"name\":\"${AUTEURS}\",\"url\":[\"${DEPOT}\"]}")
  string(JSON objet SET "${objet}" licenses "[{\"license\":{\"id\":\"${SPDX}\"}}]")
  set(${variable} "${objet}" PARENT_SCOPE)
endfunction()

if(NOT CPACK_PACKAGE_FILES)
  return()  # included by the source archive's script
endif()
set(AUTEURS "${CPACK_PACKAGE_VENDOR}")
set(DEPOT "${CPACK_INFO_RLE_DEPOT}")
set(VERSION "${CPACK_PACKAGE_VERSION}")
set(SPDX "${CPACK_INFO_RLE_SPDX}")

# Debian's packages, as tiers.cmake lists them, what built the tool, and
# the reader's library that went into it.
set(tiers "[]")
set(construction "[]")
set(empreinte_lecteur "")
if(EXISTS "${CPACK_INFO_RLE_TIERS}/composants.json")
  file(READ "${CPACK_INFO_RLE_TIERS}/composants.json" tiers)
  file(READ "${CPACK_INFO_RLE_TIERS}/construction.json" construction)
  file(STRINGS "${CPACK_INFO_RLE_TIERS}/rle_file.sha256" empreinte_lecteur)
endif()

foreach(paquet IN LISTS CPACK_PACKAGE_FILES)
  info_rle_composant_du_projet(library rle_file lecteur)
  set(composants "[]")
  set(dependances "[{\"ref\":\"rle_file\",\"dependsOn\":[]}]")
  get_filename_component(nom "${paquet}" NAME)
  if(nom MATCHES "-(dev|devel)[-_]")
    set(principal "${lecteur}")
  else()
    info_rle_composant_du_projet(application info_rle principal)
    string(JSON lecteur SET "${lecteur}" description "\"the reader, linked into the tool\"")
    if(empreinte_lecteur)  # its static library, as the tool took it
      string(JSON lecteur SET "${lecteur}" hashes "[{\"alg\":\"SHA-256\",\"content\":\"${empreinte_lecteur}\"}]")
    endif()
    ajouter("${lecteur}" composants)
    set(references "[\"rle_file\"]")
    string(JSON nombre LENGTH "${tiers}")
    if(nombre GREATER 0)
      math(EXPR dernier "${nombre} - 1")
      foreach(rang RANGE ${dernier})
        string(JSON tiers_${rang} GET "${tiers}" ${rang})
        foreach(champ IN ITEMS nom version purl licence dedans contre source version_source)
          string(JSON ${champ} GET "${tiers_${rang}}" ${champ})
        endforeach()
        set(objet "{\"type\":\"library\",\"supplier\":{\"name\":\"Debian\",\"url\":[\"https://www.debian.org\"]}}")
        string(JSON objet SET "${objet}" bom-ref "\"${purl}\"")
        string(JSON objet SET "${objet}" name "\"${nom}\"")
        string(JSON objet SET "${objet}" version "\"${version}\"")
        string(JSON objet SET "${objet}" purl "\"${purl}\"")
        if(licence)  # (unknown only outside the packages' builds, which stop there)
          string(JSON objet SET "${objet}" licenses "[{\"expression\":\"${licence}\"}]")
        endif()
        set(description "")
        if(NOT dedans STREQUAL "")
          list(APPEND description "taken into the tool: ${dedans}")
        endif()
        if(NOT contre STREQUAL "")
          list(APPEND description "the tool is linked against: ${contre}")
        endif()
        list(JOIN description "; " description)
        string(JSON objet SET "${objet}" description "\"${description}\"")
        if(licence MATCHES "LGPL")  # its source, which the release publishes
          string(REGEX REPLACE "^[0-9]+:" "" version_fichier "${version_source}")  # no epoch in file names
          string(JSON objet SET "${objet}" externalReferences
                 "[{\"type\":\"distribution\",\"comment\":\"Debian's source package ${source} ${version_source}\",\"url\":\"${DEPOT}/releases/download/v${VERSION}/${source}_${version_fichier}.dsc\"}]")
        endif()
        ajouter("${objet}" composants)
        ajouter("\"${purl}\"" references)
      endforeach()
    else()
      # The runtime comes with the SDK (macOS) or the compiler (Visual Studio).
      if(CPACK_SYSTEM_NAME MATCHES "Darwin|macOS")
        execute_process(COMMAND xcrun --show-sdk-version OUTPUT_VARIABLE version OUTPUT_STRIP_TRAILING_WHITESPACE)
        set(objet "{\"type\":\"library\",\"bom-ref\":\"sdk\",\"name\":\"macOS SDK (libc++, libSystem)\"}")
        string(JSON objet SET "${objet}" supplier "{\"name\":\"Apple\"}")
        string(JSON objet SET "${objet}" licenses "[{\"license\":{\"name\":\"Apple's SDK licence\"}}]")
      else()
        set(version "${CPACK_INFO_RLE_VERSION_COMPILATEUR}")
        set(objet "{\"type\":\"library\",\"bom-ref\":\"sdk\",\"name\":\"${CPACK_INFO_RLE_COMPILATEUR} C++ runtime\"}")
        string(JSON objet SET "${objet}" supplier "{\"name\":\"Microsoft\"}")
        string(JSON objet SET "${objet}" licenses "[{\"license\":{\"name\":\"Visual Studio's licence for its runtime\"}}]")
      endif()
      string(JSON objet SET "${objet}" version "\"${version}\"")
      ajouter("${objet}" composants)
      ajouter("\"sdk\"" references)
    endif()
    ajouter("{\"ref\":\"info_rle\",\"dependsOn\":${references}}" dependances)
  endif()
  info_rle_sbom("${paquet}" "${CPACK_PACKAGE_DIRECTORY}" "${principal}" "${composants}" "${dependances}"
                "${construction}")
endforeach()
