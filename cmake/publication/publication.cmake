# The release work, for the package presets alone (INFO_RLE_PAQUET): how
# each package lays the tool out, links it and documents it; then the
# install rules (cmake/install-rules.cmake) and CPack (paquets.cmake). A
# plain or a packager's build reads none of this folder.
#   deb       two .deb packages, info-rle and librle-file-dev, Debian's
#             documents in each (copyright, changelog, lintian overrides)
#   rpm       two .rpm packages, info-rle and info-rle-devel, as Fedora lays
#             them out, with the portable tool
#   portable  a .tar.gz of the tool linked statically, for any Linux of its
#             processor, and of the reader
#   archive   a .tar.gz of the tool and the reader (macOS)
#   zip       the Windows zip: the tool, README.txt, LICENSE.txt and the
#             notices at its root, so that a new version unpacks over the
#             old, and its winget and Scoop manifests
#   sources   the source archive of the last commit, and the Homebrew
#             formula that builds from it
# Where the tool is linked by GNU ld or lld, its link map says what others'
# software went into it (tiers.cmake): the SBOMs name it, and the packages
# whose tool is linked statically carry its notices.
if(NOT INFO_RLE_PAQUET MATCHES "^(deb|rpm|portable|archive|zip|sources)$")
  message(FATAL_ERROR "INFO_RLE_PAQUET: deb, rpm, portable, archive, zip or sources, not '${INFO_RLE_PAQUET}'")
endif()
if(NOT TARGET info_rle OR NOT PROJECT_IS_TOP_LEVEL)
  message(FATAL_ERROR "INFO_RLE_PAQUET packages the tool: at the top level, with INFO_RLE_BUILD_TOOL=ON")
endif()
include("${CMAKE_CURRENT_LIST_DIR}/journal.cmake")

# info_rle_requis(<program> <Debian package> <what needs it>): stops the
# configure and says what to install, rather than a package made without
# what the program gives it, or a failure at its end.
function(info_rle_requis programme paquet besoin)
  string(MAKE_C_IDENTIFIER "INFO_RLE_OUTIL_${programme}" variable)
  find_program(${variable} "${programme}")
  if(NOT ${variable})
    message(FATAL_ERROR "${besoin} needs ${programme}: install it (Debian: apt-get install ${paquet})")
  endif()
endfunction()

# The packages' names, as each distribution names them, and their revision
# (Debian's revision, RPM's release): the packaging's own version.
set(INFO_RLE_PAQUET_OUTIL info-rle)
set(INFO_RLE_PAQUET_DEVELOPPEMENT librle-file-dev)
set(INFO_RLE_PAQUET_RPM_DEVELOPPEMENT ${INFO_RLE_PAQUET_OUTIL}-devel)
set(INFO_RLE_REVISION 1)
set(INFO_RLE_VERSION_PAQUET "${PROJECT_VERSION}-${INFO_RLE_REVISION}")

# The portable tool needs nothing of the system it runs on: linked
# statically, position-independent all the same, it starts whatever the C
# library of the Linux it lands on, or its version.
if(INFO_RLE_PAQUET MATCHES "^(portable|rpm)$")
  get_target_property(type_lecteur rle_file TYPE)
  if(NOT type_lecteur STREQUAL "STATIC_LIBRARY" OR NOT CMAKE_SYSTEM_NAME STREQUAL "Linux")
    message(FATAL_ERROR "INFO_RLE_PAQUET=${INFO_RLE_PAQUET} links the tool statically: Linux only, with a static reader")
  endif()
  set_target_properties(info_rle info_rle_app info_rle_console PROPERTIES POSITION_INDEPENDENT_CODE ON)
  target_link_options(info_rle PRIVATE -static-pie)
endif()

function(info_rle_gzip entree sortie)
  info_rle_requis(gzip gzip "A distribution's compressed documents")
  add_custom_command(
    OUTPUT "${sortie}"
    COMMAND sh -c "'${INFO_RLE_OUTIL_gzip}' -9n -c '${entree}' > '${sortie}'"
    DEPENDS "${entree}"
    VERBATIM)
  file(RELATIVE_PATH nom "${PROJECT_BINARY_DIR}" "${sortie}")
  string(MAKE_C_IDENTIFIER "gzip_${nom}" cible)
  add_custom_target(${cible} ALL DEPENDS "${sortie}")
endfunction()

# The Debian documents every package carries in /usr/share/doc/<package>: a
# machine-readable copyright file, with the licence from LICENSE (each line
# indented below its name, as Debian's format wants it, an empty line as
# " ."), the changelog (from CHANGELOG.md) compressed as Debian wants it;
# and its lintian overrides, each with its reason.
function(info_rle_documents_debian paquet composant)
  set(dossier "${PROJECT_BINARY_DIR}/debian/${paquet}")
  configure_file("${CMAKE_CURRENT_FUNCTION_LIST_DIR}/debian/copyright.in" "${dossier}/copyright" @ONLY)
  install(FILES "${dossier}/copyright" "${PROJECT_BINARY_DIR}/debian/changelog.Debian.gz"
          DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/doc/${paquet}" COMPONENT ${composant})
  configure_file("${CMAKE_CURRENT_FUNCTION_LIST_DIR}/debian/lintian-overrides.in" "${dossier}/lintian/${paquet}"
                 @ONLY)
  install(FILES "${dossier}/lintian/${paquet}" DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides"
          COMPONENT ${composant})
endfunction()

# Fedora's packages carry their licence in /usr/share/licenses/<package>,
# which the package's file list marks as such (%license).
function(info_rle_licence_rpm paquet composant)
  install(FILES "${PROJECT_SOURCE_DIR}/LICENSE" DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/licenses/${paquet}"
          COMPONENT ${composant})
endfunction()

# Where the tool and its documents go.
if(INFO_RLE_PAQUET STREQUAL "zip")
  # Text files with Windows line ends, named so that they open in Notepad.
  set(INFO_RLE_DOSSIER_PROGRAMMES .)
  set(INFO_RLE_DOCUMENTS_DU_PAQUET ON)
  foreach(document IN ITEMS README.md LICENSE)
    get_filename_component(nom "${document}" NAME_WE)
    configure_file("${PROJECT_SOURCE_DIR}/${document}" "${PROJECT_BINARY_DIR}/${nom}.txt" @ONLY NEWLINE_STYLE CRLF)
    install(FILES "${PROJECT_BINARY_DIR}/${nom}.txt" DESTINATION . COMPONENT outil)
  endforeach()
elseif(INFO_RLE_PAQUET MATCHES "^(deb|rpm)$")
  # A distribution's way: the manual page compressed, the documents under
  # the package's name, and the licence in Debian's copyright file or in
  # Fedora's licenses/ folder.
  set(INFO_RLE_DOCUMENTS_DU_PAQUET ON)
  info_rle_gzip("${PROJECT_BINARY_DIR}/man/info_rle.1" "${PROJECT_BINARY_DIR}/man/info_rle.1.gz")
  install(FILES "${PROJECT_BINARY_DIR}/man/info_rle.1.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1" COMPONENT outil)
  install(FILES "${PROJECT_SOURCE_DIR}/README.md" DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/doc/${INFO_RLE_PAQUET_OUTIL}"
          COMPONENT outil)
  if(INFO_RLE_PAQUET STREQUAL "deb")
    file(READ "${PROJECT_SOURCE_DIR}/LICENSE" licence)
    string(REGEX REPLACE "^.*Copyright \\(c\\) [^\n]*\n+" "" licence "${licence}")
    string(STRIP "${licence}" licence)
    string(REPLACE "\n\n" "\n.\n" licence "${licence}")
    string(REPLACE "\n" "\n " INFO_RLE_LICENCE " ${licence}")
    # Debian's name for the project's licence, where it has its own.
    set(INFO_RLE_LICENCE_DEBIAN "${INFO_RLE_SPDX}")
    if(INFO_RLE_SPDX STREQUAL "MIT")
      set(INFO_RLE_LICENCE_DEBIAN Expat)
    endif()
    info_rle_journal(debian journal)
    file(CONFIGURE OUTPUT "${PROJECT_BINARY_DIR}/debian/changelog.Debian" CONTENT "@journal@" @ONLY)
    info_rle_gzip("${PROJECT_BINARY_DIR}/debian/changelog.Debian" "${PROJECT_BINARY_DIR}/debian/changelog.Debian.gz")
    info_rle_documents_debian(${INFO_RLE_PAQUET_OUTIL} outil)
    info_rle_documents_debian(${INFO_RLE_PAQUET_DEVELOPPEMENT} developpement)
  else()
    info_rle_licence_rpm(${INFO_RLE_PAQUET_OUTIL} outil)
    info_rle_licence_rpm(${INFO_RLE_PAQUET_RPM_DEVELOPPEMENT} developpement)
  endif()
elseif(INFO_RLE_PAQUET MATCHES "^(portable|archive)$")
  # The pkg-config file of an archive that lands anywhere: its prefix
  # relative to its own place.
  file(RELATIVE_PATH vers_prefixe "/${CMAKE_INSTALL_LIBDIR}/pkgconfig" "/")
  string(REGEX REPLACE "/$" "" vers_prefixe "${vers_prefixe}")
  set(INFO_RLE_PC_PREFIXE "\${pcfiledir}/${vers_prefixe}")
endif()

include(install-rules)

# Others' software in the tool, from its link map, where Debian's package
# database can tell whose each file is (tiers.cmake): the list, which the
# SBOMs read; and where the tool is linked statically (the portable archives,
# the RPM, the Windows zip), the notices that go with it, beside the tool's
# own licence.
set(INFO_RLE_TIERS "${PROJECT_BINARY_DIR}/tiers")
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang" AND NOT APPLE AND NOT MSVC AND NOT INFO_RLE_PAQUET STREQUAL "sources")
  set(carte "${PROJECT_BINARY_DIR}/info_rle.map")
  target_link_options(info_rle PRIVATE "LINKER:-Map=${carte}")
  set_property(TARGET info_rle APPEND PROPERTY ADDITIONAL_CLEAN_FILES "${carte}")
  set(notices OFF)
  if(INFO_RLE_PAQUET MATCHES "^(portable|rpm)$")
    set(notices ON)
  elseif(INFO_RLE_PAQUET STREQUAL "zip")
    set(notices CRLF)  # for Notepad, as README.txt
  endif()
  info_rle_requis(dpkg-query dpkg "The list of others' software in the tool")
  set(sorties "${INFO_RLE_TIERS}/composants.json" "${INFO_RLE_TIERS}/construction.json"
              "${INFO_RLE_TIERS}/rle_file.sha256")
  if(notices)
    list(APPEND sorties "${INFO_RLE_TIERS}/THIRD-PARTY-NOTICES.txt")
  endif()
  # The C library's headers, where the compiler finds them.
  find_file(entetes stdio.h PATHS ${CMAKE_CXX_IMPLICIT_INCLUDE_DIRECTORIES} NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH
            NO_CACHE REQUIRED)
  add_custom_command(
    OUTPUT ${sorties}
    COMMAND "${CMAKE_COMMAND}" "-DCARTE=${carte}" "-DSORTIE=${INFO_RLE_TIERS}" "-DNOTICES=${notices}"
            "-DPROGRAMME=info_rle" "-DSPDX=${INFO_RLE_SPDX}" "-DDEPOT=${INFO_RLE_DEPOT}" "-DVERSION=${PROJECT_VERSION}"
            "-DCOMPILATEUR=${CMAKE_CXX_COMPILER}" "-DENTETES=${entetes}" "-DLECTEUR=$<TARGET_FILE:rle_file>" -P
            "${CMAKE_CURRENT_LIST_DIR}/tiers.cmake"
    DEPENDS info_rle "${CMAKE_CURRENT_LIST_DIR}/tiers.cmake"
    VERBATIM)
  add_custom_target(tiers ALL DEPENDS ${sorties})
  if(notices)
    if(INFO_RLE_PAQUET STREQUAL "zip")
      set(dossier_notices .)
    elseif(INFO_RLE_PAQUET STREQUAL "rpm")
      set(dossier_notices "${CMAKE_INSTALL_DATAROOTDIR}/licenses/${INFO_RLE_PAQUET_OUTIL}")
    else()
      set(dossier_notices "${CMAKE_INSTALL_DOCDIR}")
    endif()
    install(FILES "${INFO_RLE_TIERS}/THIRD-PARTY-NOTICES.txt" DESTINATION "${dossier_notices}" COMPONENT outil)
  endif()
endif()

include("${CMAKE_CURRENT_LIST_DIR}/paquets.cmake")
