# Shared by the toolchains for other Linux hosts, which set
# CMAKE_SYSTEM_PROCESSOR, `triplet` and `qemu` first: Debian's cross compilers
# for that triplet, and qemu-user to run what they build. Executables are
# linked dynamically, as on the real host, with Debian's cross folder for
# loader and libraries, so that a test can preload a library into the
# program it runs (LD_PRELOAD, handed to the program alone by qemu).
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_C_COMPILER ${triplet}-gcc)
set(CMAKE_CXX_COMPILER ${triplet}-g++)
set(paquet_compilateur g++-${triplet})
include("${CMAKE_CURRENT_LIST_DIR}/croisee.cmake")

# The portable tool, linked statically, needs no loader; it takes the C
# library of Debian's package for the target (multiarch libc6-dev:<arch>),
# which gets the stable release's updates, not the cross toolchain's own,
# which stays as the release first shipped it.
if(INFO_RLE_PAQUET MATCHES "^(portable|rpm)$")
  if(NOT EXISTS "/usr/lib/${triplet}/libc.a")
    info_rle_manque("no /usr/lib/${triplet}/libc.a: dpkg --add-architecture <its Debian architecture>, \
apt-get update, then apt-get install libc6-dev:<that architecture>")
  endif()
  set(CMAKE_EXE_LINKER_FLAGS_INIT "-B/usr/lib/${triplet}/ -L/usr/lib/${triplet}")
else()
  file(GLOB chargeur "/usr/${triplet}/lib/ld-linux*.so.*" "/usr/${triplet}/lib/ld64.so.*")
  if(NOT chargeur)
    info_rle_manque("no dynamic loader in /usr/${triplet}/lib: install Debian's g++-${triplet}")
  endif()
  list(GET chargeur 0 chargeur)
  # An RPATH, not a RUNPATH: it serves the libraries that libstdc++ needs too.
  set(CMAKE_EXE_LINKER_FLAGS_INIT "-Wl,--dynamic-linker=${chargeur} -Wl,-rpath,/usr/${triplet}/lib -Wl,--disable-new-dtags")
endif()

info_rle_emulateur(INFO_RLE_QEMU qemu-user ${qemu} ${qemu}-static)
