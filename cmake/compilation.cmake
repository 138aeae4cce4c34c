# What every target of the project needs to compile, and nothing more: the
# standard, what Windows' headers and Visual Studio need, and the
# instrumentation that the sanitizer, fuzzing and coverage builds ask for.
# Warnings and hardening are the presets' (CMakePresets.json): a packager's
# build keeps its own flags.

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

# info_rle_options(<target>): C++20, unless the target states its own
# standard first (the reader, C++17 for whoever builds it); with Visual
# Studio, the standard's rules and UTF-8 sources, for the C++ compiler only.
function(info_rle_options target)
  get_target_property(exigences ${target} COMPILE_FEATURES)
  if(NOT exigences MATCHES "cxx_std_")
    target_compile_features(${target} PRIVATE cxx_std_20)
  endif()
  if(MSVC)
    target_compile_options(${target} PRIVATE "$<$<COMPILE_LANGUAGE:CXX>:/permissive-;/utf-8>")
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
