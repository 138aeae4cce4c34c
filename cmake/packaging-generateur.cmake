# Read by CPack once per generator. The .deb and .rpm files are one per
# component and install at the root; each .deb's description starts with the
# package's own synopsis (CPack would put the project's summary before it).
# The archives hold every component in one, under a folder of their own,
# but the Windows zip.
# Each package then gets its SBOM, last, from its final bytes.
set(CPACK_POST_BUILD_SCRIPTS "")
if(CPACK_GENERATOR MATCHES "^(DEB|RPM)$")
  set(CPACK_COMPONENTS_GROUPING IGNORE)
  set(CPACK_PACKAGE_RELOCATABLE OFF)
  if(CPACK_GENERATOR STREQUAL "DEB")
    unset(CPACK_PACKAGE_DESCRIPTION_SUMMARY)
    list(APPEND CPACK_POST_BUILD_SCRIPTS "${CPACK_INFO_RLE_SOURCES}/cmake/debian/modes-ar.cmake")
  else()
    set(CPACK_PRE_BUILD_SCRIPTS "${CPACK_INFO_RLE_SOURCES}/cmake/rpm/dates.cmake")
  endif()
else()
  set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
  if(CPACK_GENERATOR STREQUAL "ZIP")
    # No folder of its own: unpacked into the tool's folder, a new version
    # replaces the old one's files.
    set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY OFF)
    list(APPEND CPACK_POST_BUILD_SCRIPTS "${CPACK_INFO_RLE_SOURCES}/cmake/windows/manifestes.cmake")
  else()
    set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY ON)
  endif()
endif()
list(APPEND CPACK_POST_BUILD_SCRIPTS "${CPACK_INFO_RLE_SOURCES}/cmake/sbom.cmake")

# Every time stamp in the packages (archive members, the .deb's own, the
# zip's) is SOURCE_DATE_EPOCH, which reproducible builds agree on: when the
# caller has not set it, the time of the sources' last commit, or in a tree
# without git 2026-01-01 00:00:00 UTC.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(
    COMMAND git -C "${CPACK_INFO_RLE_SOURCES}" log -1 --format=%ct
    OUTPUT_VARIABLE date_des_sources
    OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  if(NOT date_des_sources MATCHES "^[0-9]+$")
    set(date_des_sources 1767225600)
  endif()
  set(ENV{SOURCE_DATE_EPOCH} "${date_des_sources}")
endif()
# A zip stores its times in local time: UTC, so that the time zone of the
# machine that packs does not change the bytes.
set(ENV{TZ} UTC0)
