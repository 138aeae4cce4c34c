# Fails unless a shared reader exports exactly its public API, as listed in
# api_exportee.txt: the public functions and, where the system exports type
# information (ELF, Mach-O), the error types'. Names are compared demangled,
# without the standard library's inline namespaces.
#
#   cmake -DOUTIL=<nm, or objdump for a DLL> [-DDEMELEUR=<c++filt>]
#         -DBIBLIOTHEQUE=<the shared library> -P api_exportee.cmake
cmake_minimum_required(VERSION 3.25)

if(OUTIL MATCHES "objdump")
  # A DLL: the export table's names, mangled.
  execute_process(COMMAND "${OUTIL}" -p "${BIBLIOTHEQUE}" OUTPUT_VARIABLE table RESULT_VARIABLE statut)
  string(REGEX MATCH "\\[Ordinal/Name Pointer\\] Table\n(\t[^\n]*\n)*" table "${table}")
  string(REGEX MATCHALL "\n\t\\[ *[0-9]+\\] [^\r\n]+" lignes "${table}")
  list(TRANSFORM lignes REPLACE "^\n\t\\[ *[0-9]+\\] " "")
  execute_process(COMMAND "${DEMELEUR}" ${lignes} OUTPUT_VARIABLE noms)
  string(REPLACE "\n" ";" exportes "${noms}")
else()
  execute_process(COMMAND "${OUTIL}" -D -C --defined-only "${BIBLIOTHEQUE}" OUTPUT_VARIABLE table RESULT_VARIABLE statut)
  string(REPLACE "\n" ";" exportes "${table}")
  list(TRANSFORM exportes REPLACE "^[0-9a-fA-F]+ [A-Za-z] " "")
endif()
if(NOT statut EQUAL 0)
  message(FATAL_ERROR "${OUTIL} ${BIBLIOTHEQUE}: ${statut}")
endif()
list(FILTER exportes EXCLUDE REGEX "^$")
# libstdc++, libc++ and MinGW spell the same types three ways.
list(TRANSFORM exportes REPLACE "(__cxx11|__1|__fs)::" "")
list(TRANSFORM exportes REPLACE "std::basic_string<char, std::char_traits<char>, std::allocator<char> >" "std::string")
list(TRANSFORM exportes REPLACE "std::basic_istream<char, std::char_traits<char> >" "std::istream")
list(SORT exportes)

file(STRINGS "${CMAKE_CURRENT_LIST_DIR}/api_exportee.txt" attendus)
if(OUTIL MATCHES "objdump")
  list(FILTER attendus EXCLUDE REGEX "^typeinfo")
endif()
list(SORT attendus)
if(NOT exportes STREQUAL attendus)
  list(JOIN exportes "\n  " obtenu)
  list(JOIN attendus "\n  " voulu)
  message(FATAL_ERROR "${BIBLIOTHEQUE} exports\n  ${obtenu}\nwhere the API is\n  ${voulu}")
endif()
list(LENGTH exportes nombre)
message(STATUS "${BIBLIOTHEQUE} exports its API and nothing else (${nombre} symbols)")
