# The release notes of CHANGELOG.md, one section per version, newest first,
# in the forms that read them:
#   info_rle_journal(<format> <variable>)  at configure time: the Debian or
#       RPM changelog (format debian or rpm), every version;
#   cmake -DSOURCES=<sources> -DVERSION=<version> -DSORTIE=<file>
#       -P journal.cmake  writes the notes of that version to the file, as
#       the release publishes them.
# A version without a section is an error: its packages would repeat the
# last one's notes.

# The sections as the list `sections`, each "version|date|items", the items'
# lines joined by \n; a semicolon of the text travels as \x1f.
function(info_rle_sections sources)
  file(READ "${sources}/CHANGELOG.md" texte)
  string(ASCII 31 separateur)
  string(REPLACE ";" "${separateur}" texte "${texte}")
  string(REGEX MATCHALL "## \\[[0-9.]+\\] - [0-9]+-[0-9]+-[0-9]+\n(\n|[^#\n][^\n]*\n)*" blocs "${texte}\n")
  set(sections "")
  foreach(bloc IN LISTS blocs)
    string(REGEX MATCH "^## \\[([0-9.]+)\\] - ([0-9-]+)\n\n*(.*[^\n])\n*$" _ "${bloc}")
    list(APPEND sections "${CMAKE_MATCH_1}|${CMAKE_MATCH_2}|${CMAKE_MATCH_3}")
  endforeach()
  set(sections "${sections}" PARENT_SCOPE)
endfunction()

function(info_rle_journal format variable)
  info_rle_sections("${PROJECT_SOURCE_DIR}")
  string(ASCII 31 separateur)
  set(journal "")
  set(version_presente FALSE)
  foreach(section IN LISTS sections)
    string(REPLACE "|" ";" champs "${section}")
    list(GET champs 0 version)
    list(GET champs 1 jour)
    list(GET champs 2 articles)
    if(version STREQUAL PROJECT_VERSION)
      set(version_presente TRUE)
    endif()
    set(paquet "${version}-${INFO_RLE_REVISION}")
    if(format STREQUAL "debian")
      execute_process(COMMAND env LC_ALL=C date -u -d "${jour} 12:00" "+%a, %d %b %Y %H:%M:%S +0000" OUTPUT_VARIABLE date
                      OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
      string(REGEX REPLACE "(^|\n)- " "\\1  * " articles "${articles}")
      string(REGEX REPLACE "\n  ([^ *])" "\n    \\1" articles "${articles}")
      string(APPEND journal "${INFO_RLE_PAQUET_OUTIL} (${paquet}) unstable; urgency=medium\n\n${articles}\n\n"
             " -- ${INFO_RLE_MAINTENEUR}  ${date}\n\n")
    else()
      execute_process(COMMAND env LC_ALL=C date -u -d "${jour}" "+%a %b %d %Y" OUTPUT_VARIABLE date OUTPUT_STRIP_TRAILING_WHITESPACE
                      COMMAND_ERROR_IS_FATAL ANY)
      string(APPEND journal "* ${date} ${INFO_RLE_MAINTENEUR} - ${paquet}\n${articles}\n\n")
    endif()
  endforeach()
  if(NOT version_presente)
    message(FATAL_ERROR "CHANGELOG.md has no section for version ${PROJECT_VERSION}: add its notes first")
  endif()
  string(REGEX REPLACE "\n+$" "\n" journal "${journal}")
  string(REPLACE "${separateur}" ";" journal "${journal}")
  set(${variable} "${journal}" PARENT_SCOPE)
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  info_rle_sections("${SOURCES}")
  string(ASCII 31 separateur)
  foreach(section IN LISTS sections)
    if(section MATCHES "^${VERSION}\\|[^|]*\\|(.*)$")
      string(REPLACE "${separateur}" ";" notes "${CMAKE_MATCH_1}")
      file(WRITE "${SORTIE}" "${notes}\n")
      return()
    endif()
  endforeach()
  message(FATAL_ERROR "CHANGELOG.md has no section for version ${VERSION}")
endif()
