# Read by CPack once per generator: archives unpack into a folder of their
# own; a .deb installs at the root.
if(CPACK_GENERATOR MATCHES "^(TGZ|ZIP)$")
  set(CPACK_COMPONENT_INCLUDE_TOPLEVEL_DIRECTORY ON)
endif()
