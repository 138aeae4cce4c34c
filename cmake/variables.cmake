# The project's switches, all of them, read before project() so that the
# project's home page can be the repository's address. A plain configure
# builds and installs the tool and the reader, with nothing but a compiler
# and CMake; the presets say the rest.
#
# At the top level (not when another project builds the reader as part of
# its own, with add_subdirectory or FetchContent).
if(CMAKE_CURRENT_SOURCE_DIR STREQUAL CMAKE_SOURCE_DIR)
  set(au_sommet ON)
else()
  set(au_sommet OFF)
endif()

# Optimised unless told otherwise, as a user building a tool expects: with a
# single-configuration generator, at the top level, with no build type given.
get_property(plusieurs_configurations GLOBAL PROPERTY GENERATOR_IS_MULTI_CONFIG)
if(au_sommet AND NOT plusieurs_configurations AND NOT CMAKE_BUILD_TYPE)
  set(CMAKE_BUILD_TYPE Release CACHE STRING "Debug, Release, RelWithDebInfo or MinSizeRel" FORCE)
endif()

# The tests, the example's generator, fuzzing, coverage and the benchmarks.
# A packager's plain configure with BUILD_TESTING=ON builds and runs the
# tests alone.
option(INFO_RLE_DEVELOPER_MODE "Tests, examples, fuzzing, coverage and benchmarks, for the project's developers" OFF)
option(INFO_RLE_BUILD_BENCH "Build the benchmarks (developer mode)" OFF)
option(INFO_RLE_SANITIZERS "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(INFO_RLE_FUZZ "Build the libFuzzer target (clang)" OFF)
option(INFO_RLE_COVERAGE "Instrument for gcov coverage" OFF)
# A check for MinGW builds: every C++ source meets <windows.h>'s min and max
# macros as Visual Studio's headers define them (tests/windows/sdk/).
option(INFO_RLE_MACROS_SDK "Build MinGW sources as Visual Studio sees <windows.h>: min and max as macros" OFF)

# Built from another project's tree, only the reader is built, and nothing
# of ours is installed unless that project asks for it. A port of the
# reader alone turns the tool off.
option(INFO_RLE_BUILD_TOOL "Build and install the tool, not only the reader" ${au_sommet})
option(INFO_RLE_INSTALL "Install rules for the reader and the tool" ${au_sommet})

# The package a release makes, for the package presets alone: the release
# work of cmake/publication/ (the package's layout, the link map, the
# notices and SBOMs of others' software, the Debian and RPM documents,
# CPack) is done only then. A plain or a packager's build does none of it.
#   deb       Debian packages, the tool linked as the system links it
#   rpm       RPM packages, with the portable tool
#   portable  a .tar.gz of the tool linked statically, for any Linux
#   archive   a .tar.gz of the tool and the reader (macOS)
#   zip       the Windows zip, the tool at its root, and its manifests
#   sources   the source archive of the last commit, and the Homebrew formula
set(INFO_RLE_PAQUET "" CACHE STRING "The package a release makes: deb, rpm, portable, archive, zip or sources")
set_property(CACHE INFO_RLE_PAQUET PROPERTY STRINGS "" deb rpm portable archive zip sources)

# GoogleTest's sources, built for the tests when no package of it is found
# (Debian ships them for cross builds and for libc++).
set(INFO_RLE_GTEST_SOURCE "/usr/src/googletest" CACHE PATH "GoogleTest sources, built when no package is found")

# Where the project lives and publishes its releases: the project's home
# page, which the .deb and .rpm packages name, and the winget and Scoop
# manifests' and the Homebrew formula's downloads. The release workflow
# sets it, through the environment (a workflow preset takes no -D), to the
# repository it runs in; a build made elsewhere names no real place unless
# told.
if(DEFINED ENV{INFO_RLE_DEPOT})
  set(depot "$ENV{INFO_RLE_DEPOT}")
else()
  set(depot "https://example.invalid/info_rle")
endif()
set(INFO_RLE_DEPOT "${depot}" CACHE STRING
    "The repository's address, whose releases are <address>/releases/download/v<version>/")
if(NOT INFO_RLE_DEPOT MATCHES "^https://[^/]+/[^/]+")
  message(FATAL_ERROR "INFO_RLE_DEPOT: an https address such as https://github.com/<owner>/<name>, not '${INFO_RLE_DEPOT}'")
endif()
string(REGEX REPLACE "/+$" "" INFO_RLE_DEPOT "${INFO_RLE_DEPOT}")
