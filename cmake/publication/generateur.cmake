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
    list(APPEND CPACK_POST_BUILD_SCRIPTS "${CPACK_INFO_RLE_SOURCES}/cmake/publication/debian/modes-ar.cmake")
  else()
    set(CPACK_PRE_BUILD_SCRIPTS "${CPACK_INFO_RLE_SOURCES}/cmake/publication/rpm/dates.cmake")
  endif()
else()
  set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
  if(CPACK_GENERATOR STREQUAL "ZIP")
    # No folder of its own: unpacked into the tool's folder, a new version
    # replaces the old one's files.
    set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY OFF)
    list(APPEND CPACK_POST_BUILD_SCRIPTS "${CPACK_INFO_RLE_SOURCES}/cmake/publication/windows/manifestes.cmake")
  else()
    set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY ON)
  endif()
endif()
list(APPEND CPACK_POST_BUILD_SCRIPTS "${CPACK_INFO_RLE_SOURCES}/cmake/publication/sbom.cmake")

# The licence of what the tool's package holds, as SPDX writes it: the
# project's, and that of each package of others whose code is in the tool
# (tiers.cmake's list). The RPM's License tag and the manifests name it.
set(licences "${CPACK_INFO_RLE_SPDX}")
if(EXISTS "${CPACK_INFO_RLE_TIERS}/THIRD-PARTY-NOTICES.txt")
  file(READ "${CPACK_INFO_RLE_TIERS}/composants.json" tiers)
  string(JSON nombre LENGTH "${tiers}")
  math(EXPR dernier "${nombre} - 1")
  foreach(rang RANGE ${dernier})
    string(JSON dedans GET "${tiers}" ${rang} dedans)
    if(NOT dedans STREQUAL "")
      string(JSON licence GET "${tiers}" ${rang} licence)
      string(REPLACE " AND " ";" licence "${licence}")
      list(APPEND licences ${licence})
    endif()
  endforeach()
endif()
list(REMOVE_DUPLICATES licences)
list(JOIN licences " AND " CPACK_INFO_RLE_LICENCE_OUTIL)
set(CPACK_RPM_PACKAGE_LICENSE "${CPACK_INFO_RLE_LICENCE_OUTIL}")

# Every time stamp in the packages (archive members, the .deb's own, the
# zip's) is SOURCE_DATE_EPOCH's, which reproducible builds agree on.
set(INFO_RLE_SOURCES "${CPACK_INFO_RLE_SOURCES}")
include("${CPACK_INFO_RLE_SOURCES}/cmake/publication/date_des_sources.cmake")
# A zip stores its times in local time: UTC, so that the time zone of the
# machine that packs does not change the bytes.
set(ENV{TZ} UTC0)
