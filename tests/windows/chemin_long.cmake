# A path longer than MAX_PATH (260 characters) opens and shows as given,
# plain and with \\?\ before it, whatever LongPathsEnabled says.
#
#   cmake -DPROGRAMME=<exe> [-DEMULATEUR=<wine>] -DDOSSIER=<work folder>
#         -DEXEMPLE=<examples/image.rle> -DRAPPORT=<its expected stdout>
#         -P chemin_long.cmake
cmake_minimum_required(VERSION 3.25)

string(REPEAT "a" 100 a)
string(REPEAT "b" 100 b)
string(REPEAT "c" 100 c)
set(fichier "${DOSSIER}/${a}/${b}/${c}/image.rle")
file(REMOVE_RECURSE "${DOSSIER}")
file(MAKE_DIRECTORY "${DOSSIER}/${a}/${b}/${c}")
file(COPY_FILE "${EXEMPLE}" "${fichier}")
# The folder's Windows name, then the rest (winepath cuts a name at MAX_PATH).
if(EMULATEUR MATCHES "wine")
  execute_process(COMMAND winepath -w "${DOSSIER}" OUTPUT_VARIABLE dossier OUTPUT_STRIP_TRAILING_WHITESPACE)
else()
  file(TO_NATIVE_PATH "${DOSSIER}" dossier)
endif()
set(chemin "${dossier}\\${a}\\${b}\\${c}\\image.rle")
set(chemins "${chemin}" "\\\\?\\${chemin}")

file(READ "${RAPPORT}" rapport)
set(ecarts "")
foreach(chemin IN LISTS chemins)
  string(LENGTH "${chemin}" longueur)
  execute_process(COMMAND ${EMULATEUR} "${PROGRAMME}" "${chemin}" OUTPUT_VARIABLE sortie ERROR_VARIABLE erreurs
                  RESULT_VARIABLE statut TIMEOUT 120)
  string(REPLACE "\r\n" "\n" sortie "${sortie}")
  string(REPLACE "examples/image.rle" "${chemin}" attendu "${rapport}")
  if(NOT statut EQUAL 0 OR NOT sortie STREQUAL attendu OR erreurs)
    string(APPEND ecarts "${chemin} (${longueur} characters): status ${statut}\n[${sortie}]\n[${erreurs}]\n")
  else()
    message(STATUS "ok: ${longueur} characters: ${chemin}")
  endif()
endforeach()
if(ecarts)
  message(FATAL_ERROR "${ecarts}")
endif()
