# The README and the manual page say what the tool really prints: each
# message of app/messages.inc, and the report on examples/image.rle as the
# end-to-end test expects it, stand in both; and the README checks the
# release's signature with the key of minisign.pub. With GROFF set, checks instead
# that the manual page formats without a warning from groff (skipped where
# there is no groff: macOS, Windows).
#
#   cmake -DSOURCES=<project sources> [-DGROFF=<groff or empty>] -P documents.cmake
cmake_minimum_required(VERSION 3.25)

if(DEFINED GROFF)
  if(NOT GROFF)
    message("SKIPPED: no groff to check the manual page with (Debian: apt-get install groff-base)")
    return()
  endif()
  execute_process(COMMAND "${GROFF}" -man -ww -z "${SOURCES}/app/info_rle.1" OUTPUT_VARIABLE sortie
                  ERROR_VARIABLE sortie RESULT_VARIABLE statut)
  if(NOT statut EQUAL 0 OR sortie)
    message(FATAL_ERROR "groff -man -ww -z app/info_rle.1: ${statut}\n${sortie}")
  endif()
  return()
endif()

file(READ "${SOURCES}/README.md" readme)
file(READ "${SOURCES}/app/info_rle.1" manuel)
string(REPLACE "\\-" "-" manuel "${manuel}")  # groff's hyphen, as the reader sees it

file(STRINGS "${SOURCES}/app/messages.inc" messages REGEX "^INFO_RLE_MESSAGE\\(")
file(STRINGS "${SOURCES}/tests/e2e/cas/image-stdout.txt" rapport)

set(ecarts "")
foreach(message IN LISTS messages)
  string(REGEX REPLACE "^[^\"]*\"(\\\\n)?(\\\\t)?([^\"]*)\\\\n\"\\)$" "\\3" texte "${message}")
  # The odd-count warning cannot show with this reader, which keeps whole
  # pairs only: neither document lists it.
  if(texte MATCHES "nombre impair")
    continue()
  endif()
  list(APPEND attendus "${texte}")
endforeach()
list(LENGTH attendus nombre)
if(nombre LESS 5)
  message(FATAL_ERROR "only ${nombre} messages found in app/messages.inc: ${attendus}")
endif()
list(APPEND attendus ${rapport})

foreach(document IN ITEMS readme manuel)
  foreach(texte IN LISTS attendus)
    string(FIND "${${document}}" "${texte}" position)
    if(position EQUAL -1)
      string(APPEND ecarts "${document} does not say: ${texte}\n")
    endif()
  endforeach()
endforeach()

file(STRINGS "${SOURCES}/minisign.pub" cle REGEX "^RW")
string(FIND "${readme}" "minisign -Vm SHA256SUMS -P ${cle}`" position)
if(NOT cle OR position EQUAL -1)
  string(APPEND ecarts "readme does not check SHA256SUMS with minisign.pub's key ${cle}\n")
endif()

if(ecarts)
  message(FATAL_ERROR "${ecarts}")
endif()
message(STATUS "README.md and app/info_rle.1 agree with the tool on ${nombre} messages and the example report")
