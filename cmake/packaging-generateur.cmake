# Read by CPack once per generator. The .deb files are one per component,
# install at the root, and each description starts with the package's own
# synopsis (CPack would put the project's summary before it). The archives
# hold every component in one, under a folder of their own.
if(CPACK_GENERATOR STREQUAL "DEB")
  set(CPACK_COMPONENTS_GROUPING IGNORE)
  unset(CPACK_PACKAGE_DESCRIPTION_SUMMARY)
else()
  set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
  set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY ON)
endif()
