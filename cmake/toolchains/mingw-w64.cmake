# Cross-compiles for 64-bit Windows with Debian's mingw-w64 (posix threads),
# and runs what it builds through wine. Executables and DLLs carry the MinGW
# runtime (libstdc++, libgcc, winpthread) inside them, so that they need no
# DLL that a bare Windows does not have; GCC's stack protector support
# (libssp), which Debian's mingw-w64 takes from the flag at link time, for
# whatever objects were built with it; and no link time in their header, so
# that the same sources make the same bytes.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(triplet x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${triplet}-windres)
set(paquet_compilateur g++-mingw-w64-x86-64-posix)

include("${CMAKE_CURRENT_LIST_DIR}/croisee.cmake")

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -fstack-protector-strong -Wl,--no-insert-timestamp")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -fstack-protector-strong -Wl,--no-insert-timestamp")

info_rle_emulateur(INFO_RLE_WINE wine wine wine64)
