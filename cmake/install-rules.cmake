# What `cmake --install` puts where, in GNUInstallDirs' folders on every
# system (programs and DLLs in bin/, documents in share/doc/), in two
# components:
#   outil          the tool, its manual page and its documents;
#   developpement  the reader library, its header, its CMake package and a
#                  pkg-config file, so that other projects can do
#                    find_package(rle_file 1.0 CONFIG REQUIRED)
#                    target_link_libraries(app PRIVATE rle_file::rle_file)
# A package lays the tool's part out its own way (cmake/publication/): it
# sets INFO_RLE_DOSSIER_PROGRAMMES and INFO_RLE_DOCUMENTS_DU_PAQUET first.
include(CMakePackageConfigHelpers)

if(NOT DEFINED INFO_RLE_DOSSIER_PROGRAMMES)
  set(INFO_RLE_DOSSIER_PROGRAMMES "${CMAKE_INSTALL_BINDIR}")
endif()

# The tool, and its manual page with the project's version.
if(TARGET info_rle)
  configure_file("${PROJECT_SOURCE_DIR}/app/info_rle.1" "${PROJECT_BINARY_DIR}/man/info_rle.1" @ONLY)
  install(TARGETS info_rle RUNTIME DESTINATION "${INFO_RLE_DOSSIER_PROGRAMMES}" COMPONENT outil)
  if(NOT INFO_RLE_DOCUMENTS_DU_PAQUET)
    install(FILES "${PROJECT_BINARY_DIR}/man/info_rle.1" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1" COMPONENT outil)
    install(FILES "${PROJECT_SOURCE_DIR}/README.md" "${PROJECT_SOURCE_DIR}/LICENSE" DESTINATION "${CMAKE_INSTALL_DOCDIR}"
            COMPONENT outil)
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

# pkg-config, for builds that are not CMake's, naming the library as the
# configuration built it (a Debug build's name ends in d). Its prefix is the
# install prefix, absolute, so that pkg-config leaves out the system's own
# folders (-I/usr/include, -L/usr/lib/...); each folder is the prefix's, or
# its own where it is absolute. An archive that may land anywhere sets
# INFO_RLE_PC_PREFIXE to a prefix relative to the file's own place.
if(NOT DEFINED INFO_RLE_PC_PREFIXE)
  set(INFO_RLE_PC_PREFIXE "${CMAKE_INSTALL_PREFIX}")
endif()
foreach(dossier IN ITEMS INCLUDEDIR LIBDIR)
  if(IS_ABSOLUTE "${CMAKE_INSTALL_${dossier}}")
    set(INFO_RLE_PC_${dossier} "${CMAKE_INSTALL_${dossier}}")
  else()
    set(INFO_RLE_PC_${dossier} "\${prefix}/${CMAKE_INSTALL_${dossier}}")
  endif()
endforeach()
configure_file("${PROJECT_SOURCE_DIR}/cmake/rle_file.pc.in" "${PROJECT_BINARY_DIR}/rle_file.pc.in" @ONLY)
file(GENERATE OUTPUT "${PROJECT_BINARY_DIR}/pkgconfig/$<CONFIG>/rle_file.pc" INPUT "${PROJECT_BINARY_DIR}/rle_file.pc.in")
install(FILES "${PROJECT_BINARY_DIR}/pkgconfig/$<CONFIG>/rle_file.pc" DESTINATION "${CMAKE_INSTALL_LIBDIR}/pkgconfig"
        COMPONENT developpement)
