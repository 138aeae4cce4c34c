# Cross-compiles for s390x, a big-endian host, with Debian's toolchain, and
# runs what it builds through qemu-user.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR s390x)

set(triplet s390x-linux-gnu)
set(CMAKE_C_COMPILER ${triplet}-gcc)
set(CMAKE_CXX_COMPILER ${triplet}-g++)

include("${CMAKE_CURRENT_LIST_DIR}/croisee.cmake")

find_program(INFO_RLE_QEMU NAMES qemu-s390x qemu-s390x-static REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR "${INFO_RLE_QEMU}")
