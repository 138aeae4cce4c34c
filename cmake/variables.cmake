# The project's switches. A plain configure builds and installs the tool and
# the reader, with nothing but a compiler and CMake; the presets say the rest.

# Optimised unless told otherwise, as a user building a tool expects: with a
# single-configuration generator, at the top level, with no build type given.
get_property(plusieurs_configurations GLOBAL PROPERTY GENERATOR_IS_MULTI_CONFIG)
if(PROJECT_IS_TOP_LEVEL AND NOT plusieurs_configurations AND NOT CMAKE_BUILD_TYPE)
  set(CMAKE_BUILD_TYPE Release CACHE STRING "Debug, Release, RelWithDebInfo or MinSizeRel" FORCE)
endif()
option(INFO_RLE_DEVELOPER_MODE "Tests, examples, fuzzing, coverage and benchmarks, for the project's developers" OFF)

# Built from another project's tree (add_subdirectory), only the reader is
# built, and nothing of ours is installed unless that project asks for it.
option(INFO_RLE_INSTALL "Install rules for the reader (and, at the top level, the tool)" ${PROJECT_IS_TOP_LEVEL})

# Debian's documents in the install (copyright, changelog, lintian
# overrides) and .deb packages: only where Debian packages are made.
option(INFO_RLE_DEBIAN "Install Debian's documents and make .deb packages" OFF)

# Fedora's way (the licence under licenses/, the documents under the
# package's name) and .rpm packages: only where RPM packages are made.
option(INFO_RLE_RPM "Install as Fedora packages do and make .rpm packages" OFF)

# Where the project lives and publishes its releases: the RPM packages' URL,
# the winget and Scoop manifests and the Homebrew formula name it. The
# release workflow sets it, through the environment (a workflow preset takes
# no -D), to the repository it runs in; a build made elsewhere names no real
# place unless told.
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

# A tool that needs nothing of the Linux it runs on: linked statically, it
# starts on any Linux of its processor of the last ten years, whatever its C
# library.
option(INFO_RLE_PORTABLE "Link the tool statically, for an archive that runs on any Linux" OFF)

# Windows finds a program's DLLs beside it: with a shared reader, every
# program of the build lands in one folder with it, so that each one starts.
if(WIN32 AND BUILD_SHARED_LIBS AND PROJECT_IS_TOP_LEVEL AND NOT DEFINED CMAKE_RUNTIME_OUTPUT_DIRECTORY)
  set(CMAKE_RUNTIME_OUTPUT_DIRECTORY "${PROJECT_BINARY_DIR}")
endif()

# MSVC: the tool links the C++ runtime statically, so that it needs no DLL on
# a bare Windows, as the MinGW build does. Only at the top level and with a
# static reader: a project that builds the reader as part of its own keeps
# its own choice, and a DLL shares the runtime of the programs that load it.
if(PROJECT_IS_TOP_LEVEL AND NOT BUILD_SHARED_LIBS AND NOT DEFINED CMAKE_MSVC_RUNTIME_LIBRARY)
  set(CMAKE_MSVC_RUNTIME_LIBRARY "MultiThreaded$<$<CONFIG:Debug>:Debug>")
endif()
