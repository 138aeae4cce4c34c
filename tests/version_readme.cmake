# The README names the project's version, and no other.
cmake_minimum_required(VERSION 3.25)
file(READ "${README}" texte)
string(REGEX MATCHALL "(Version |info_rle-|info-rle[-_]|info-rle-devel-|librle-file-dev_)[0-9]+\\.[0-9]+\\.[0-9]+" mentions
                     "${texte}")
if(NOT mentions)
  message(FATAL_ERROR "README.md does not give the version")
endif()
foreach(mention IN LISTS mentions)
  if(NOT mention MATCHES "${VERSION}$")
    message(FATAL_ERROR "README.md says '${mention}', the project is ${VERSION}")
  endif()
endforeach()
