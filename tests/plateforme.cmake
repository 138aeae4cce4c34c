# The platform in a package's name, for the ways each build system describes
# the machine it builds for (cmake/publication/plateforme.cmake), Visual Studio's and
# Xcode's included, which no build here runs.
#
#   cmake -DSOURCES=<project sources> -P plateforme.cmake
cmake_minimum_required(VERSION 3.25)
include("${SOURCES}/cmake/publication/plateforme.cmake")

# system; processor; MSVC; compiler's architecture; macOS architectures; name
set(cas
    "Linux|x86_64||||Linux-x86_64"
    "Linux|aarch64||||Linux-aarch64"
    "Linux|i686||||Linux-i686"
    "Windows|x86_64||||Windows-x86_64"
    "Windows|AMD64|1|x64||Windows-x86_64"
    "Windows|AMD64|1|ARM64||Windows-aarch64"
    "Windows|AMD64|1|X86||Windows-i686"
    "Darwin|arm64||||macOS-aarch64"
    "Darwin|arm64|||arm64,x86_64|macOS-universal"
    "Darwin|x86_64|||arm64|macOS-aarch64")
set(ecarts "")
foreach(un_cas IN LISTS cas)
  string(REPLACE "|" ";" champs "${un_cas}")
  list(GET champs 0 CMAKE_SYSTEM_NAME)
  list(GET champs 1 CMAKE_SYSTEM_PROCESSOR)
  list(GET champs 2 MSVC)
  list(GET champs 3 CMAKE_CXX_COMPILER_ARCHITECTURE_ID)
  list(GET champs 4 CMAKE_OSX_ARCHITECTURES)
  string(REPLACE "," ";" CMAKE_OSX_ARCHITECTURES "${CMAKE_OSX_ARCHITECTURES}")
  list(GET champs 5 attendu)
  info_rle_plateforme(obtenu)
  if(NOT obtenu STREQUAL attendu)
    string(APPEND ecarts "${un_cas}: ${obtenu}\n")
  endif()
endforeach()
if(ecarts)
  message(FATAL_ERROR "wrong platform names (case: name given):\n${ecarts}")
endif()
