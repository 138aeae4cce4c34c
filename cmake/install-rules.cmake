# Installs the tool (component "outil", the one the packages hold) and the
# reader library with its headers and CMake package (component
# "developpement"), so that other projects can do
#   find_package(rle_file 1.0 CONFIG REQUIRED)
#   target_link_libraries(app PRIVATE rle_file::rle_file)
include(CMakePackageConfigHelpers)

install(TARGETS info_rle RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}" COMPONENT outil)
install(FILES "${PROJECT_SOURCE_DIR}/README.md" "${PROJECT_SOURCE_DIR}/LICENSE"
        DESTINATION "${CMAKE_INSTALL_DOCDIR}" COMPONENT outil)

set_target_properties(rle_file PROPERTIES EXPORT_NAME rle_file VERSION "${PROJECT_VERSION}")
install(
  TARGETS rle_file
  EXPORT rle_fileTargets
  ARCHIVE DESTINATION "${CMAKE_INSTALL_LIBDIR}" COMPONENT developpement
  LIBRARY DESTINATION "${CMAKE_INSTALL_LIBDIR}" COMPONENT developpement
  RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}" COMPONENT developpement
  INCLUDES DESTINATION "${CMAKE_INSTALL_INCLUDEDIR}")
install(DIRECTORY "${PROJECT_SOURCE_DIR}/rle_file/include/" DESTINATION "${CMAKE_INSTALL_INCLUDEDIR}"
        COMPONENT developpement)

set(rle_file_cmake_dir "${CMAKE_INSTALL_LIBDIR}/cmake/rle_file")
install(EXPORT rle_fileTargets NAMESPACE rle_file:: DESTINATION "${rle_file_cmake_dir}" COMPONENT developpement)
configure_package_config_file("${PROJECT_SOURCE_DIR}/cmake/rle_fileConfig.cmake.in"
                              "${PROJECT_BINARY_DIR}/rle_fileConfig.cmake" INSTALL_DESTINATION "${rle_file_cmake_dir}")
write_basic_package_version_file("${PROJECT_BINARY_DIR}/rle_fileConfigVersion.cmake" VERSION "${PROJECT_VERSION}"
                                 COMPATIBILITY SameMajorVersion)
install(FILES "${PROJECT_BINARY_DIR}/rle_fileConfig.cmake" "${PROJECT_BINARY_DIR}/rle_fileConfigVersion.cmake"
        DESTINATION "${rle_file_cmake_dir}" COMPONENT developpement)
