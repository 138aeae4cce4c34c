# Runs info_rle once and compares its standard output, standard error and
# exit status with the expected ones, byte for byte.
#
#   cmake -DPROGRAMME=<exe> [-DEMULATEUR=<wine|qemu>] -DCAS=<dir>/<name>
#         -DREPERTOIRE=<working dir> [-DENTREE=<file piped to stdin>]
#         -DVERSION=<the project's version> -P comparer.cmake
#
# <name>-args.txt holds the arguments, one a line (absent: none);
# <name>-stdout.txt and <name>-stderr.txt the expected texts (absent: empty);
# <name>-result.txt the expected status (absent: 0).
# In the expected texts, @PROGRAMME@ stands for the program's path as given,
# @VERSION@ for the project's version.

cmake_minimum_required(VERSION 3.25)

set(arguments "")
if(EXISTS "${CAS}-args.txt")
  file(STRINGS "${CAS}-args.txt" arguments ENCODING UTF-8)
endif()

if("/dev/stdin" IN_LIST arguments AND NOT EXISTS "/dev/stdin")
  message("SKIPPED: /proc is not mounted here, and /dev/stdin is /proc/self/fd/0")
  return()
endif()

set(commande ${EMULATEUR} "${PROGRAMME}" ${arguments})
set(tube "")
if(ENTREE)
  set(tube COMMAND cat "${ENTREE}")
endif()
execute_process(
  ${tube}
  COMMAND ${commande}
  WORKING_DIRECTORY "${REPERTOIRE}"
  OUTPUT_VARIABLE stdout
  ERROR_VARIABLE stderr
  RESULT_VARIABLE result
  TIMEOUT 120
  # The tool writes UTF-8 to a pipe: on Windows CMake would otherwise
  # decode it in the console's code page.
  ENCODING UTF-8)

# The program's name as it sees it: wine hands it a Windows path.
set(programme_vu "${PROGRAMME}")
if(EMULATEUR MATCHES "wine")
  execute_process(COMMAND winepath -w "${PROGRAMME}" OUTPUT_VARIABLE programme_vu OUTPUT_STRIP_TRAILING_WHITESPACE)
endif()

set(ecarts "")
foreach(flux IN ITEMS stdout stderr result)
  set(attendu "")
  if(flux STREQUAL "result")
    set(attendu "0")
  endif()
  if(EXISTS "${CAS}-${flux}.txt")
    file(READ "${CAS}-${flux}.txt" attendu)
  endif()
  string(REPLACE "@PROGRAMME@" "${programme_vu}" attendu "${attendu}")
  string(REPLACE "@VERSION@" "${VERSION}" attendu "${attendu}")
  set(obtenu "${${flux}}")
  if(flux STREQUAL "result")
    string(STRIP "${attendu}" attendu)
  else()
    # Windows turns each newline into CR LF on a redirected text stream.
    string(REPLACE "\r\n" "\n" obtenu "${obtenu}")
  endif()
  if(NOT obtenu STREQUAL attendu)
    string(APPEND ecarts "${flux} differs.\n--- expected ---\n[${attendu}]\n--- actual ---\n[${obtenu}]\n")
  endif()
endforeach()

if(ecarts)
  list(JOIN commande " " texte)
  message(FATAL_ERROR "Command: ${texte}\n${ecarts}")
endif()
