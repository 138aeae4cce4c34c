# What `cmake --install` puts where, in GNUInstallDirs' folders on every
# system (programs and DLLs in bin/, documents in share/doc/), in two
# components, each one Debian package:
#   outil          the tool, its manual page and its documents (info-rle);
#   developpement  the reader library, its header, its CMake package and a
#                  pkg-config file, so that other projects can do
#                    find_package(rle_file 1.0 CONFIG REQUIRED)
#                    target_link_libraries(app PRIVATE rle_file::rle_file)
#                  (librle-file-dev).
# INFO_RLE_A_PLAT lays the tool's part out as the Windows zip holds it: the
# tool, the reader's DLL when it is one, README.txt and LICENSE.txt at the
# root.
include(CMakePackageConfigHelpers)
include(journal)

if(INFO_RLE_A_PLAT)
  set(INFO_RLE_DOSSIER_PROGRAMMES .)
else()
  set(INFO_RLE_DOSSIER_PROGRAMMES "${CMAKE_INSTALL_BINDIR}")
endif()

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

# The Debian documents every package carries in /usr/share/doc/<package>: a
# machine-readable copyright file, with the licence from LICENSE, and the
# changelog (from CHANGELOG.md), compressed as Debian wants it (gzip -9, no name or time stamp);
# and its lintian overrides, each with its reason.
# The licence's text below its copyright line, as a copyright file wants it:
# each line indented, an empty line as " .".
file(READ "${PROJECT_SOURCE_DIR}/LICENSE" licence)
string(REGEX REPLACE "^.*Copyright \\(c\\) [^\n]*\n+" "" licence "${licence}")
string(STRIP "${licence}" licence)
string(REPLACE "\n\n" "\n.\n" licence "${licence}")
string(REPLACE "\n" "\n " INFO_RLE_LICENCE " ${licence}")

function(info_rle_documents_debian paquet composant)
  set(dossier "${PROJECT_BINARY_DIR}/debian/${paquet}")
  configure_file("${PROJECT_SOURCE_DIR}/cmake/debian/copyright.in" "${dossier}/copyright" @ONLY)
  install(FILES "${dossier}/copyright" "${PROJECT_BINARY_DIR}/debian/changelog.Debian.gz"
          DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/doc/${paquet}" COMPONENT ${composant})
  configure_file("${PROJECT_SOURCE_DIR}/cmake/debian/lintian-overrides.in" "${dossier}/lintian/${paquet}" @ONLY)
  install(FILES "${dossier}/lintian/${paquet}" DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides"
          COMPONENT ${composant})
endfunction()

# Fedora's packages carry their licence in /usr/share/licenses/<package>,
# which the package's file list marks as such (%license).
function(info_rle_licence_rpm paquet composant)
  install(FILES "${PROJECT_SOURCE_DIR}/LICENSE" DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/licenses/${paquet}"
          COMPONENT ${composant})
endfunction()

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

# The changelog, the same in every Debian package: written and compressed once.
if(INFO_RLE_DEBIAN)
  info_rle_journal(debian journal)
  file(CONFIGURE OUTPUT "${PROJECT_BINARY_DIR}/debian/changelog.Debian" CONTENT "@journal@" @ONLY)
  info_rle_gzip("${PROJECT_BINARY_DIR}/debian/changelog.Debian" "${PROJECT_BINARY_DIR}/debian/changelog.Debian.gz")
endif()

# The tool.
if(TARGET info_rle)
  install(TARGETS info_rle RUNTIME DESTINATION "${INFO_RLE_DOSSIER_PROGRAMMES}" COMPONENT outil)
  if(INFO_RLE_A_PLAT)
    # Text files with Windows line ends, named so that they open in Notepad.
    foreach(document IN ITEMS README.md LICENSE)
      get_filename_component(nom "${document}" NAME_WE)
      configure_file("${PROJECT_SOURCE_DIR}/${document}" "${PROJECT_BINARY_DIR}/${nom}.txt" @ONLY NEWLINE_STYLE CRLF)
      install(FILES "${PROJECT_BINARY_DIR}/${nom}.txt" DESTINATION . COMPONENT outil)
    endforeach()
  else()
    configure_file("${PROJECT_SOURCE_DIR}/app/info_rle.1" "${PROJECT_BINARY_DIR}/man/info_rle.1" @ONLY)
    if(INFO_RLE_DEBIAN OR INFO_RLE_RPM)
      # A distribution's way: the manual page compressed, the documents
      # under the package's name, and the licence in Debian's copyright
      # file or in Fedora's licenses/ folder.
      info_rle_gzip("${PROJECT_BINARY_DIR}/man/info_rle.1" "${PROJECT_BINARY_DIR}/man/info_rle.1.gz")
      install(FILES "${PROJECT_BINARY_DIR}/man/info_rle.1.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1"
              COMPONENT outil)
      install(FILES "${PROJECT_SOURCE_DIR}/README.md"
              DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/doc/${INFO_RLE_PAQUET_OUTIL}" COMPONENT outil)
      if(INFO_RLE_DEBIAN)
        info_rle_documents_debian(${INFO_RLE_PAQUET_OUTIL} outil)
      else()
        info_rle_licence_rpm(${INFO_RLE_PAQUET_OUTIL} outil)
      endif()
    else()
      install(FILES "${PROJECT_BINARY_DIR}/man/info_rle.1" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1" COMPONENT outil)
      install(FILES "${PROJECT_SOURCE_DIR}/README.md" "${PROJECT_SOURCE_DIR}/LICENSE" DESTINATION "${CMAKE_INSTALL_DOCDIR}"
              COMPONENT outil)
    endif()
  endif()
endif()

# Others' software in the tool, from its link map, where Debian's package
# database can tell whose each file is (cmake/tiers.cmake): the list, which
# the SBOMs read; and where the tool is linked statically for a release (the
# portable archives, the RPM, the Windows zip), the notices that go with it,
# beside the tool's own licence.
set(INFO_RLE_TIERS "${PROJECT_BINARY_DIR}/tiers")
if(TARGET info_rle AND INFO_RLE_CARTE)
  set(notices OFF)
  if(INFO_RLE_PORTABLE)
    set(notices ON)
  elseif(INFO_RLE_A_PLAT AND MINGW)
    set(notices CRLF)
  endif()
  if(notices)
    info_rle_requis(dpkg-query dpkg "The notices of what the static tool holds")
  endif()
  find_program(INFO_RLE_DPKG_QUERY dpkg-query)
  if(INFO_RLE_DPKG_QUERY AND (notices OR NOT INFO_RLE_DEVELOPER_MODE))  # not the developers' builds
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
      COMMAND "${CMAKE_COMMAND}" "-DCARTE=${INFO_RLE_CARTE}" "-DSORTIE=${INFO_RLE_TIERS}" "-DNOTICES=${notices}"
              "-DPROGRAMME=info_rle" "-DSPDX=${INFO_RLE_SPDX}" "-DDEPOT=${INFO_RLE_DEPOT}" "-DVERSION=${PROJECT_VERSION}"
              "-DCOMPILATEUR=${CMAKE_CXX_COMPILER}" "-DENTETES=${entetes}" "-DLECTEUR=$<TARGET_FILE:rle_file>" -P
              "${PROJECT_SOURCE_DIR}/cmake/tiers.cmake"
      DEPENDS info_rle "${PROJECT_SOURCE_DIR}/cmake/tiers.cmake"
      VERBATIM)
    add_custom_target(tiers ALL DEPENDS ${sorties})
  endif()
  if(notices)
    if(INFO_RLE_A_PLAT)
      set(dossier_notices .)
    elseif(INFO_RLE_RPM)
      set(dossier_notices "${CMAKE_INSTALL_DATAROOTDIR}/licenses/${INFO_RLE_PAQUET_OUTIL}")
    else()
      set(dossier_notices "${CMAKE_INSTALL_DOCDIR}")
    endif()
    install(FILES "${INFO_RLE_TIERS}/THIRD-PARTY-NOTICES.txt" DESTINATION "${dossier_notices}" COMPONENT outil)
  endif()
endif()

# The reader. Built shared, its run-time part goes with the tool, which
# needs it, and only the development link with the rest.
install(
  TARGETS rle_file
  EXPORT rle_fileTargets
  ARCHIVE DESTINATION "${CMAKE_INSTALL_LIBDIR}" COMPONENT developpement
  LIBRARY DESTINATION "${CMAKE_INSTALL_LIBDIR}" COMPONENT outil NAMELINK_COMPONENT developpement
  RUNTIME DESTINATION "${INFO_RLE_DOSSIER_PROGRAMMES}" COMPONENT outil
  INCLUDES DESTINATION "${CMAKE_INSTALL_INCLUDEDIR}")
install(DIRECTORY "${PROJECT_SOURCE_DIR}/rle_file/include/" "${PROJECT_BINARY_DIR}/include/"
        DESTINATION "${CMAKE_INSTALL_INCLUDEDIR}" COMPONENT developpement)

set(rle_file_cmake_dir "${CMAKE_INSTALL_LIBDIR}/cmake/rle_file")
install(EXPORT rle_fileTargets NAMESPACE rle_file:: DESTINATION "${rle_file_cmake_dir}" COMPONENT developpement)
configure_package_config_file("${PROJECT_SOURCE_DIR}/cmake/rle_fileConfig.cmake.in"
                              "${PROJECT_BINARY_DIR}/rle_fileConfig.cmake" INSTALL_DESTINATION "${rle_file_cmake_dir}")
write_basic_package_version_file("${PROJECT_BINARY_DIR}/rle_fileConfigVersion.cmake" VERSION "${PROJECT_VERSION}"
                                 COMPATIBILITY SameMajorVersion)
install(FILES "${PROJECT_BINARY_DIR}/rle_fileConfig.cmake" "${PROJECT_BINARY_DIR}/rle_fileConfigVersion.cmake"
        DESTINATION "${rle_file_cmake_dir}" COMPONENT developpement)

# pkg-config, for builds that are not CMake's; relative to its own place, so
# that an unpacked archive works wherever it lands, and naming the library
# as the configuration built it (a Debug build's name ends in d). Each
# folder is the prefix's, or its own where it is absolute, whichever way
# a packager mixes them. A static link (pkg-config --static) also takes the
# link options the CMake package gives: with MinGW, the stack protector's,
# whose support library the compiler then adds.
if(IS_ABSOLUTE "${CMAKE_INSTALL_LIBDIR}")
  set(INFO_RLE_PC_PREFIXE "${CMAKE_INSTALL_PREFIX}")  # the file's place says nothing of the prefix
else()
  file(RELATIVE_PATH vers_prefixe "/${CMAKE_INSTALL_LIBDIR}/pkgconfig" "/")
  string(REGEX REPLACE "/$" "" vers_prefixe "${vers_prefixe}")
  set(INFO_RLE_PC_PREFIXE "\${pcfiledir}/${vers_prefixe}")
endif()
foreach(dossier IN ITEMS INCLUDEDIR LIBDIR)
  if(IS_ABSOLUTE "${CMAKE_INSTALL_${dossier}}")
    set(INFO_RLE_PC_${dossier} "${CMAKE_INSTALL_${dossier}}")
  else()
    set(INFO_RLE_PC_${dossier} "\${prefix}/${CMAKE_INSTALL_${dossier}}")
  endif()
endforeach()
configure_file("${PROJECT_SOURCE_DIR}/cmake/rle_file.pc.in" "${PROJECT_BINARY_DIR}/rle_file.pc.in" @ONLY)
file(GENERATE OUTPUT "${PROJECT_BINARY_DIR}/pkgconfig/$<CONFIG>/rle_file.pc"
     INPUT "${PROJECT_BINARY_DIR}/rle_file.pc.in")
install(FILES "${PROJECT_BINARY_DIR}/pkgconfig/$<CONFIG>/rle_file.pc" DESTINATION "${CMAKE_INSTALL_LIBDIR}/pkgconfig"
        COMPONENT developpement)

if(INFO_RLE_DEBIAN)
  info_rle_documents_debian(${INFO_RLE_PAQUET_DEVELOPPEMENT} developpement)
elseif(INFO_RLE_RPM)
  info_rle_licence_rpm(${INFO_RLE_PAQUET_RPM_DEVELOPPEMENT} developpement)
endif()
