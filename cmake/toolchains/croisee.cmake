# Shared by the cross toolchains, which set `triplet` and the Debian package
# of their compiler (`paquet_compilateur`) first: the target's headers and
# libraries come from Debian's /usr/<triplet>, programs from the host.
# info_rle_manque(<what to install>): stops the configure and says so. The
# build program is looked for first: CMake has not done it yet at this
# point, and would add that it found none.
macro(info_rle_manque texte)
  if(CMAKE_GENERATOR MATCHES "Ninja")
    find_program(CMAKE_MAKE_PROGRAM NAMES ninja-build ninja)
  endif()
  message(FATAL_ERROR "${texte}")
endmacro()

find_program(compilateur_croise "${CMAKE_CXX_COMPILER}")
if(NOT compilateur_croise)
  info_rle_manque("no ${CMAKE_CXX_COMPILER}: install Debian's ${paquet_compilateur}")
endif()
set(CMAKE_FIND_ROOT_PATH /usr/${triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# info_rle_emulateur(<cache variable> <Debian package> <program names>...):
# runs what the build makes through that program. The tests need it; a
# build that only makes packages does without.
function(info_rle_emulateur variable paquet)
  find_program(${variable} NAMES ${ARGN})
  if(${variable})
    set(CMAKE_CROSSCOMPILING_EMULATOR "${${variable}}" PARENT_SCOPE)
  elseif(INFO_RLE_DEVELOPER_MODE)
    info_rle_manque("the tests run through ${ARGV2}: install Debian's ${paquet}")
  endif()
endfunction()
