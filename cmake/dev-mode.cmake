# What only the project's developers build: the tests, the example and its
# generator, the fuzz target, coverage and the benchmarks. The presets switch
# it on with INFO_RLE_DEVELOPER_MODE.
if(NOT PROJECT_IS_TOP_LEVEL)
  message(AUTHOR_WARNING "INFO_RLE_DEVELOPER_MODE is for the developers of info_rle, at the top level")
  return()
endif()

include(CTest)
add_subdirectory(examples)
add_subdirectory(tests/support)
if(BUILD_TESTING)
  add_subdirectory(tests)
  add_subdirectory(fuzz)
endif()
if(INFO_RLE_COVERAGE)
  include(couverture)
endif()
option(INFO_RLE_BUILD_BENCH "Build the benchmarks" OFF)
if(INFO_RLE_BUILD_BENCH)
  add_subdirectory(bench)
endif()
