# Compiler options shared by every target of the project: high warnings,
# hardening, and the instrumentation that the sanitizer, fuzzing and coverage
# builds ask for.

# Windows' headers, as every Windows source of the project includes them:
# without min and max as macros, which would break std::min, std::max and
# std::numeric_limits<T>::max(), and without what the project never uses.
if(WIN32)
  add_compile_definitions(NOMINMAX WIN32_LEAN_AND_MEAN)
endif()

# Every C++ source as Visual Studio sees <windows.h>, min and max as macros.
if(INFO_RLE_MACROS_SDK)
  set(sdk "${PROJECT_SOURCE_DIR}/tests/windows/sdk")
  add_compile_options("$<$<COMPILE_LANGUAGE:CXX>:SHELL:-isystem \"${sdk}\";SHELL:-include \"${sdk}/avant.hpp\">")
endif()

# Whether anything already sets a _FORTIFY_SOURCE level for release builds:
# the compiler itself (Ubuntu's sets 3 when optimising), or the flags a
# distribution builds with (Fedora's, Arch's). Asked at every configure, so
# that changed flags count.
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang" AND NOT MINGW)
  include(CheckCXXSourceCompiles)
  set(CMAKE_REQUIRED_FLAGS "-O2 ${CMAKE_CXX_FLAGS_RELEASE}")
  set(CMAKE_REQUIRED_QUIET ON)
  unset(INFO_RLE_FORTIFY_DONNE CACHE)
  check_cxx_source_compiles("#ifndef _FORTIFY_SOURCE\n#error none\n#endif\nint main() { return 0; }"
                            INFO_RLE_FORTIFY_DONNE)
  unset(CMAKE_REQUIRED_FLAGS)
  unset(CMAKE_REQUIRED_QUIET)
endif()

# info_rle_options(<target> [STANDARD <17|20>]): C++20 unless told otherwise
# (a consumer's program, built as C++17, says so).
function(info_rle_options target)
  cmake_parse_arguments(PARSE_ARGV 1 options "" "STANDARD" "")
  if(NOT options_STANDARD)
    set(options_STANDARD 20)
  endif()
  target_compile_features(${target} PRIVATE cxx_std_${options_STANDARD})
  if(MSVC)
    # High warnings, the standard's rules, UTF-8 sources: for the C++
    # compiler only, never for the resource compiler.
    target_compile_options(${target} PRIVATE "$<$<COMPILE_LANGUAGE:CXX>:/W4;/permissive-;/utf-8>")
    # Release builds check every indirect call against the program's own
    # targets (Control Flow Guard), and on x86 and x64 say that they keep to
    # the processor's shadow stack (CET). The stack guard (/GS), ASLR and DEP
    # are the compiler's and the linker's defaults.
    set(publication "$<CONFIG:Release,RelWithDebInfo>")
    target_compile_options(${target} PRIVATE "$<$<AND:$<COMPILE_LANGUAGE:CXX>,${publication}>:/guard:cf>")
    target_link_options(${target} PRIVATE "$<${publication}:/GUARD:CF>")
    if(CMAKE_CXX_COMPILER_ARCHITECTURE_ID MATCHES "^(x64|X86)$")
      target_link_options(${target} PRIVATE "$<${publication}:/CETCOMPAT>")
    endif()
    return()
  endif()
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    return()
  endif()

  set(avertissements
      -Wall
      -Wextra # the usual sets
      -Wpedantic # only standard C++
      -Wconversion # a conversion that may lose part of a value
      -Wsign-conversion # or its sign
      -Wshadow # a name that hides another
      -Wold-style-cast # a C cast, which hides which conversion it does
      -Wcast-qual # a cast that drops const
      -Wnon-virtual-dtor # a class with virtual functions deleted through its base
      -Woverloaded-virtual # a virtual function hidden instead of overridden
      -Wnull-dereference # a path on which a null pointer is used
      -Wimplicit-fallthrough # a switch case that runs on into the next
      -Wformat=2 # printf formats, and formats that are not literals
      -Wextra-semi # a stray semicolon
  )
  set(avertissements_gcc
      -Wuseless-cast # a cast to the type the value already has
      -Wduplicated-cond # the same condition twice in an if-else chain
      -Wlogical-op # && or || where & or | was meant
  )
  target_compile_options(${target} PRIVATE "$<$<COMPILE_LANGUAGE:CXX>:${avertissements}>"
                                           "$<$<COMPILE_LANG_AND_ID:CXX,GNU>:${avertissements_gcc}>")
  # The standard library checks its own preconditions in debug builds.
  target_compile_definitions(${target} PRIVATE $<$<CONFIG:Debug>:_GLIBCXX_ASSERTIONS>)
  # Every build guards its stack. MinGW's GCC takes its support library
  # (libssp) from the flag at link time, for the program and for whoever
  # links the static reader: -static then puts it inside the program.
  target_compile_options(${target} PRIVATE -fstack-protector-strong)
  if(MINGW)
    target_link_options(${target} PUBLIC -fstack-protector-strong)
    # No link time in the executable's header: the same sources make the
    # same bytes.
    target_link_options(${target} PRIVATE LINKER:--no-insert-timestamp)
  endif()
  # Release builds check buffer sizes in libc calls, at level 2 unless a
  # level is set already, which stays (MinGW's C library has no such
  # checks); and on ELF resolve relocations at start, then make them
  # read-only (full RELRO).
  if(NOT MINGW)
    if(NOT INFO_RLE_FORTIFY_DONNE)
      target_compile_definitions(${target} PRIVATE "$<$<CONFIG:Release,RelWithDebInfo>:_FORTIFY_SOURCE=2>")
    endif()
    if(NOT APPLE)
      target_link_options(${target} PRIVATE "$<$<CONFIG:Release,RelWithDebInfo>:LINKER:-z,relro,-z,now>")
    endif()
  endif()

  set(instrumentation "")
  if(INFO_RLE_SANITIZERS)
    list(APPEND instrumentation -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  endif()
  if(INFO_RLE_FUZZ)
    list(APPEND instrumentation -fsanitize=fuzzer-no-link)
  endif()
  if(INFO_RLE_COVERAGE)
    list(APPEND instrumentation --coverage -fno-inline)
  endif()
  target_compile_options(${target} PRIVATE ${instrumentation})
  target_link_options(${target} PRIVATE ${instrumentation})
endfunction()
