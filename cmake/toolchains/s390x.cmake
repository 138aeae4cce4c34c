# Cross-compiles for s390x, a big-endian host, with Debian's toolchain, and
# runs what it builds through qemu-user.
set(CMAKE_SYSTEM_PROCESSOR s390x)
set(triplet s390x-linux-gnu)
set(qemu qemu-s390x)
include("${CMAKE_CURRENT_LIST_DIR}/linux-qemu.cmake")
