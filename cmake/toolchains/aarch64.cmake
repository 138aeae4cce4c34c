# Cross-compiles for 64-bit Arm Linux (Raspberry Pi OS 64-bit, Graviton and
# the like) with Debian's toolchain, and runs what it builds through
# qemu-user.
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(triplet aarch64-linux-gnu)
set(qemu qemu-aarch64)
include("${CMAKE_CURRENT_LIST_DIR}/linux-qemu.cmake")
