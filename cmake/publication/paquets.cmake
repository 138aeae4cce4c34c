# Release packages. Debian: two .deb packages, the tool (info-rle) and the
# reader for developers (librle-file-dev). RPM: the same two, as Fedora names
# them (info-rle, info-rle-devel). Elsewhere, one .tar.gz holding both (on
# Linux, from the portable build: a tool linked statically). Windows: a .zip
# of the tool, its README and its licence.
set(CPACK_PACKAGE_NAME info_rle)
set(CPACK_PACKAGE_VENDOR "${INFO_RLE_AUTEURS}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "${INFO_RLE_MAINTENEUR}")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_RESOURCE_FILE_README "${PROJECT_SOURCE_DIR}/README.md")
include("${CMAKE_CURRENT_LIST_DIR}/plateforme.cmake")
info_rle_plateforme(plateforme)
set(CPACK_PACKAGE_FILE_NAME "info_rle-${PROJECT_VERSION}-${plateforme}")
set(CPACK_PACKAGE_DIRECTORY "${PROJECT_BINARY_DIR}/packages")
set(CPACK_STRIP_FILES ON)
# Beside each package, its SHA-256 as sha256sum -c checks it.
set(CPACK_PACKAGE_CHECKSUM SHA256)
# Reproducible: the same sources make the same bytes from any folder, at any
# time, in any time zone and under any umask. Every time stamp is the last
# commit's (generateur.cmake), and folders get their modes here.
set(CPACK_INFO_RLE_SOURCES "${PROJECT_SOURCE_DIR}")
# What the winget and Scoop manifests written beside the Windows zip say
# (windows/manifestes.cmake), winget's identifier chosen once for good.
set(CPACK_INFO_RLE_DEPOT "${INFO_RLE_DEPOT}")
set(CPACK_INFO_RLE_DROITS "${INFO_RLE_DROITS}")
set(CPACK_INFO_RLE_WINGET info_rle.info_rle)
# What the SBOM written beside each package (sbom.cmake) and the RPM's
# licence read: the others' software in the tool, or the compiler, for the
# systems that cannot tell; the project's own licence.
set(CPACK_INFO_RLE_TIERS "${INFO_RLE_TIERS}")
set(CPACK_INFO_RLE_SPDX "${INFO_RLE_SPDX}")
set(CPACK_INFO_RLE_COMPILATEUR "${CMAKE_CXX_COMPILER_ID}")
set(CPACK_INFO_RLE_VERSION_COMPILATEUR "${CMAKE_CXX_COMPILER_VERSION}")
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                                WORLD_READ WORLD_EXECUTE)
set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
# Per generator: how the components are grouped, and the top folder.
set(CPACK_PROJECT_CONFIG_FILE "${CMAKE_CURRENT_LIST_DIR}/generateur.cmake")

# Each generator's tools are looked for now, so that a package workflow
# stops at once and says what to install: CPack would stop at the end
# without `file`, and make a .deb without its Depends without dpkg-shlibdeps.
if(INFO_RLE_PAQUET STREQUAL "zip")
  set(CPACK_GENERATOR ZIP)
  set(CPACK_COMPONENTS_ALL outil)
elseif(INFO_RLE_PAQUET STREQUAL "deb")
  set(CPACK_GENERATOR DEB)
  set(CPACK_COMPONENTS_ALL outil developpement)
  info_rle_requis(file file "Making .deb packages")
  info_rle_requis(dpkg-shlibdeps dpkg-dev "Making .deb packages with their Depends")
elseif(INFO_RLE_PAQUET STREQUAL "rpm")
  set(CPACK_GENERATOR RPM)
  set(CPACK_COMPONENTS_ALL outil developpement)
  info_rle_requis(rpmbuild rpm "Making .rpm packages")
else()
  set(CPACK_GENERATOR TGZ)
  set(CPACK_COMPONENTS_ALL outil developpement)
endif()

# What each package holds, in the words every package format shows: a
# synopsis (Fedora's starts with a capital) and a paragraph.
set(INFO_RLE_RESUME_OUTIL "size and number of pairs of RLE image files")
set(INFO_RLE_DESCRIPTION_OUTIL
    "info_rle reads a binary run-length-encoded (RLE) image file, whose 8-byte
header holds the image's width and height, followed by pairs of 32-bit
values, and prints in French the width, the height and the number of pairs.
It changes nothing and has no options. See info_rle(1).")
set(INFO_RLE_RESUME_DEVELOPPEMENT "C++ reader for RLE image files - development files")
set(INFO_RLE_DESCRIPTION_DEVELOPPEMENT
    "rle_file reads a binary run-length-encoded (RLE) image file whole into
memory: its width, its height and the 32-bit values of its pairs. This
package holds the static library, its header, its CMake package
(find_package(rle_file)) and its pkg-config file (rle_file).")
foreach(resume IN ITEMS INFO_RLE_RESUME_OUTIL INFO_RLE_RESUME_DEVELOPPEMENT)
  string(SUBSTRING "${${resume}}" 0 1 initiale)
  string(SUBSTRING "${${resume}}" 1 -1 reste)
  string(TOUPPER "${initiale}" initiale)
  set(${resume}_MAJUSCULE "${initiale}${reste}")
endforeach()
set(CPACK_INFO_RLE_RESUME "${INFO_RLE_RESUME_OUTIL_MAJUSCULE}")

# Debian. Each description's first line is the package's synopsis. Lintian
# (-EvIL +pedantic) reports no error and no warning; the packages override
# one warning, with its reason, in debian/lintian-overrides.in. Three
# informational tags remain:
#  binary-has-unneeded-section .comment, static-library-has-unneeded-sections
#    the compiler's version string; Debian's own tools strip it, CMake's
#    strip keeps it, and it costs a few bytes;
#  hardening-no-fortify-functions
#    built with _FORTIFY_SOURCE=2, but the tool's libc calls (read, memcpy)
#    take sizes known only at run time, which the fortified headers cannot
#    check, so none of their checked forms is called.
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${INFO_RLE_REVISION})
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_OUTIL_PACKAGE_NAME ${INFO_RLE_PAQUET_OUTIL})
set(CPACK_DEBIAN_OUTIL_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_OUTIL_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_OUTIL_DESCRIPTION "${INFO_RLE_RESUME_OUTIL}\n${INFO_RLE_DESCRIPTION_OUTIL}")
set(CPACK_DEBIAN_DEVELOPPEMENT_PACKAGE_NAME ${INFO_RLE_PAQUET_DEVELOPPEMENT})
# Multi-Arch: same, so that the reader of several architectures installs
# side by side (its files are the same on each, or in the architecture's
# own folder). CPack 3.25 has no setting for the field: it follows the
# section's line.
set(CPACK_DEBIAN_DEVELOPPEMENT_PACKAGE_SECTION "libdevel\nMulti-Arch: same")
set(CPACK_DEBIAN_DEVELOPPEMENT_DESCRIPTION "${INFO_RLE_RESUME_DEVELOPPEMENT}\n${INFO_RLE_DESCRIPTION_DEVELOPPEMENT}")

# RPM, as Fedora names and lays out its packages: info-rle and
# info-rle-devel (which, holding a static library only, also provides
# info-rle-static), the libraries in lib64 on 64-bit hosts (the preset's
# CMAKE_INSTALL_LIBDIR), the licence marked as such. The tool is the static
# one of the portable archive, so that the package installs on every RPM
# distribution still supported, whatever its C library: it requires no
# shared library at all. The payload is xz, which every rpm since RHEL 6
# reads. rpmlint (with rpm/rpmlint.toml, which says what is left on
# purpose, and why) reports nothing.
set(CPACK_RPM_COMPONENT_INSTALL ON)
set(CPACK_RPM_FILE_NAME RPM-DEFAULT)
set(CPACK_RPM_PACKAGE_RELEASE ${INFO_RLE_REVISION})
set(CPACK_RPM_PACKAGE_LICENSE "${INFO_RLE_SPDX}")  # the tool's: generateur.cmake adds what it holds
set(CPACK_RPM_PACKAGE_URL "${INFO_RLE_DEPOT}")
set(CPACK_RPM_COMPRESSION_TYPE xz)
set(CPACK_RPM_CHANGELOG_FILE "${PROJECT_BINARY_DIR}/rpm/changelog")
if(INFO_RLE_PAQUET STREQUAL "rpm")
  info_rle_journal(rpm journal)
  file(CONFIGURE OUTPUT "${CPACK_RPM_CHANGELOG_FILE}" CONTENT "@journal@" @ONLY)
endif()
set(CPACK_RPM_OUTIL_PACKAGE_NAME ${INFO_RLE_PAQUET_OUTIL})
set(CPACK_RPM_OUTIL_PACKAGE_SUMMARY "${INFO_RLE_RESUME_OUTIL_MAJUSCULE}")
set(CPACK_RPM_OUTIL_PACKAGE_DESCRIPTION "${INFO_RLE_DESCRIPTION_OUTIL}")
set(CPACK_RPM_DEVELOPPEMENT_PACKAGE_NAME ${INFO_RLE_PAQUET_RPM_DEVELOPPEMENT})
set(CPACK_RPM_DEVELOPPEMENT_PACKAGE_SUMMARY "${INFO_RLE_RESUME_DEVELOPPEMENT_MAJUSCULE}")
set(CPACK_RPM_DEVELOPPEMENT_PACKAGE_DESCRIPTION "${INFO_RLE_DESCRIPTION_DEVELOPPEMENT}")
set(CPACK_RPM_DEVELOPPEMENT_PACKAGE_PROVIDES "${INFO_RLE_PAQUET_OUTIL}-static = ${INFO_RLE_VERSION_PAQUET}")
set(CPACK_RPM_DEVELOPPEMENT_USER_BINARY_SPECFILE "${CMAKE_CURRENT_LIST_DIR}/rpm/developpement.spec.in")
set(licences "${CMAKE_INSTALL_FULL_DATAROOTDIR}/licenses")  # where info_rle_licence_rpm() installs
set(CPACK_RPM_OUTIL_USER_FILELIST "%license ${licences}/${INFO_RLE_PAQUET_OUTIL}/LICENSE"
                                  "%license ${licences}/${INFO_RLE_PAQUET_OUTIL}/THIRD-PARTY-NOTICES.txt"
                                  "%doc ${CMAKE_INSTALL_FULL_DATAROOTDIR}/doc/${INFO_RLE_PAQUET_OUTIL}/README.md")
set(CPACK_RPM_DEVELOPPEMENT_USER_FILELIST "%license ${licences}/${INFO_RLE_PAQUET_RPM_DEVELOPPEMENT}/LICENSE")
set(CPACK_RPM_OUTIL_PACKAGE_GROUP Applications/Multimedia)
set(CPACK_RPM_DEVELOPPEMENT_PACKAGE_GROUP Development/Libraries)
# Folders that other packages own (filesystem, pkgconf, cmake-filesystem).
set(CPACK_RPM_EXCLUDE_FROM_AUTO_FILELIST_ADDITION "${licences}" "${CMAKE_INSTALL_FULL_MANDIR}"
                                                  "${CMAKE_INSTALL_FULL_MANDIR}/man1" "${CMAKE_INSTALL_FULL_LIBDIR}/pkgconfig"
                                                  "${CMAKE_INSTALL_FULL_LIBDIR}/cmake")
# Reproducible: the build time and every file's time are SOURCE_DATE_EPOCH,
# the build host a fixed name; and no /usr/lib/.build-id links, which only
# debuginfo packages, not made here, would use.
set(CPACK_RPM_SPEC_MORE_DEFINE
    "%define packager ${INFO_RLE_MAINTENEUR}
%define _buildhost reproducible
%define use_source_date_epoch_as_buildtime 1
%define clamp_mtime_to_source_date_epoch 1
%define _build_id_links none")

include(CPack)

# The release's source archive and the Homebrew formula that builds from it
# (package-source workflow), beside the packages: made from the last commit,
# not from this build.
add_custom_target(
  archive_sources
  COMMAND "${CMAKE_COMMAND}" "-DSOURCES=${PROJECT_SOURCE_DIR}" "-DSORTIE=${CPACK_PACKAGE_DIRECTORY}"
          "-DVERSION=${PROJECT_VERSION}" "-DDEPOT=${INFO_RLE_DEPOT}" "-DRESUME=${INFO_RLE_RESUME_OUTIL_MAJUSCULE}"
          "-DAUTEURS=${INFO_RLE_AUTEURS}" "-DSPDX=${INFO_RLE_SPDX}" -P
          "${CMAKE_CURRENT_LIST_DIR}/sources/archive.cmake"
  VERBATIM)
