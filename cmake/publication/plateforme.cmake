# info_rle_plateforme(<variable>): the system and processor a build is for,
# as release packages name them and their users call them: Linux-x86_64,
# Linux-aarch64, Windows-x86_64, macOS-universal... Build systems spell the
# processor their own way: Visual Studio gives the host's (AMD64) where its
# compiler says what it builds for (x64, ARM64); a macOS build is for what
# CMAKE_OSX_ARCHITECTURES lists, all of them at once when there are several.
function(info_rle_plateforme variable)
  set(systeme "${CMAKE_SYSTEM_NAME}")
  if(systeme STREQUAL "Darwin")
    set(systeme macOS)
  endif()
  list(LENGTH CMAKE_OSX_ARCHITECTURES architectures)
  if(architectures GREATER 1)
    set(processeur universal)
  elseif(architectures EQUAL 1)
    set(processeur "${CMAKE_OSX_ARCHITECTURES}")
  elseif(MSVC AND CMAKE_CXX_COMPILER_ARCHITECTURE_ID)
    set(processeur "${CMAKE_CXX_COMPILER_ARCHITECTURE_ID}")
  else()
    set(processeur "${CMAKE_SYSTEM_PROCESSOR}")
  endif()
  string(TOLOWER "${processeur}" processeur)
  if(processeur MATCHES "^(amd64|x64|x86_64)$")
    set(processeur x86_64)
  elseif(processeur MATCHES "^(arm64|aarch64)$")
    set(processeur aarch64)
  elseif(processeur MATCHES "^(x86|i[3-6]86)$")
    set(processeur i686)
  endif()
  set(${variable} "${systeme}-${processeur}" PARENT_SCOPE)
endfunction()
