# The tests, and what only the project's developers build besides. A
# packager's configure with BUILD_TESTING=ON builds and runs the tests, and
# adds nothing else; INFO_RLE_DEVELOPER_MODE, which the presets set, adds
# the example's generator, the fuzz target, coverage and the benchmarks.
# Built from another project's tree, the reader brings no test of its own,
# whatever that project's BUILD_TESTING says.
if(NOT PROJECT_IS_TOP_LEVEL)
  if(INFO_RLE_DEVELOPER_MODE)
    message(AUTHOR_WARNING "INFO_RLE_DEVELOPER_MODE is for the developers of info_rle, at the top level")
  endif()
  return()
endif()

include(CTest)
if(BUILD_TESTING AND NOT INFO_RLE_BUILD_TOOL)
  message(FATAL_ERROR "The tests run the tool as well as the reader: configure with INFO_RLE_BUILD_TOOL=ON, "
                      "or BUILD_TESTING=OFF")
endif()
add_subdirectory(examples)
add_subdirectory(tests/support)
if(BUILD_TESTING)
  add_subdirectory(tests)
  add_subdirectory(fuzz)
endif()
if(INFO_RLE_COVERAGE)
  include(couverture)
endif()
if(INFO_RLE_BUILD_BENCH)
  add_subdirectory(bench)
endif()
