# Release packages. Debian: two .deb packages, the tool (info-rle) and the
# reader for developers (librle-file-dev). Elsewhere, one .tar.gz holding
# both (on Linux, from the portable build: a tool linked statically).
# Windows: a .zip of the tool, its README and its licence.
set(CPACK_PACKAGE_NAME info_rle)
set(CPACK_PACKAGE_VENDOR "${INFO_RLE_AUTEURS}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "${INFO_RLE_MAINTENEUR}")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_RESOURCE_FILE_README "${PROJECT_SOURCE_DIR}/README.md")
include(plateforme)
info_rle_plateforme(plateforme)
set(CPACK_PACKAGE_FILE_NAME "info_rle-${PROJECT_VERSION}-${plateforme}")
set(CPACK_PACKAGE_DIRECTORY "${PROJECT_BINARY_DIR}/packages")
set(CPACK_STRIP_FILES ON)
# Beside each package, its SHA-256 as sha256sum -c checks it.
set(CPACK_PACKAGE_CHECKSUM SHA256)
# Reproducible: the same sources make the same bytes from any folder, at any
# time, in any time zone and under any umask. Every time stamp is the last
# commit's (packaging-generateur.cmake), and folders get their modes here.
set(CPACK_INFO_RLE_SOURCES "${PROJECT_SOURCE_DIR}")
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                                WORLD_READ WORLD_EXECUTE)
set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
# Per generator: how the components are grouped, and the top folder.
set(CPACK_PROJECT_CONFIG_FILE "${CMAKE_CURRENT_LIST_DIR}/packaging-generateur.cmake")

if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_COMPONENTS_ALL outil)
elseif(INFO_RLE_DEBIAN)
  set(CPACK_GENERATOR DEB)
  set(CPACK_COMPONENTS_ALL outil developpement)
else()
  set(CPACK_GENERATOR TGZ)
  set(CPACK_COMPONENTS_ALL outil developpement)
endif()

# Debian. Each description's first line is the package's synopsis. Lintian
# (-EvIL +pedantic) reports no error and no warning; the packages override
# one warning, with its reason, in cmake/debian/lintian-overrides.in. Three
# informational tags remain:
#  binary-has-unneeded-section .comment, static-library-has-unneeded-sections
#    the compiler's version string; Debian's own tools strip it, CMake's
#    strip keeps it, and it costs a few bytes;
#  hardening-no-fortify-functions
#    built with _FORTIFY_SOURCE=2, but the tool's libc calls (read, memcpy)
#    take sizes known only at run time, which the fortified headers cannot
#    check, so none of their checked forms is called.
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${INFO_RLE_REVISION_DEBIAN})
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_OUTIL_PACKAGE_NAME ${INFO_RLE_PAQUET_OUTIL})
set(CPACK_DEBIAN_OUTIL_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_OUTIL_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_OUTIL_DESCRIPTION
    "size and number of pairs of RLE image files
info_rle reads a binary run-length-encoded (RLE) image file, whose 8-byte
header holds the image's width and height, followed by pairs of 32-bit
values, and prints in French the width, the height and the number of pairs.
It changes nothing and has no options. See info_rle(1).")
set(CPACK_DEBIAN_DEVELOPPEMENT_PACKAGE_NAME ${INFO_RLE_PAQUET_DEVELOPPEMENT})
set(CPACK_DEBIAN_DEVELOPPEMENT_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEVELOPPEMENT_DESCRIPTION
    "C++ reader for RLE image files - development files
rle_file reads a binary run-length-encoded (RLE) image file whole into
memory: its width, its height and the 32-bit values of its pairs. This
package holds the static library, its header, its CMake package
(find_package(rle_file)) and its pkg-config file (rle_file).")

include(CPack)
