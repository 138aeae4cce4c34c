# Cross-compiles for 32-bit x86 Linux with Debian's toolchain, and runs what
# it builds through qemu-user: a host where size_t, pointers and the address
# space have 32 bits.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(triplet i686-linux-gnu)
set(qemu qemu-i386)
include("${CMAKE_CURRENT_LIST_DIR}/linux-qemu.cmake")

# qemu-i386 (7.2) hands a thread that has just run a signal handler the
# thread-local storage (%gs) of another thread: pthread_self() then names the
# wrong thread, and the test that interrupts a read with signals cannot join
# its writer. The reader itself gets every byte there; real hardware
# restores %gs.
set(INFO_RLE_SIGNAUX_NON_EMULES "qemu-i386 loses a thread's TLS over a signal handler")
