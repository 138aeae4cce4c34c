# 'couverture' target of the coverage build: after the tests have run, prints
# the line and branch coverage of the library and of the front end, and
# fails when a line of either was never run. Branches that only exist for
# exceptions the compiler inserted are left out.
find_program(INFO_RLE_GCOVR gcovr REQUIRED)
set(gcovr_commun
    "${INFO_RLE_GCOVR}" --root "${PROJECT_SOURCE_DIR}" --filter "${PROJECT_SOURCE_DIR}/rle_file/" --filter
    "${PROJECT_SOURCE_DIR}/app/" --exclude-throw-branches --exclude-unreachable-branches "${PROJECT_BINARY_DIR}")
add_custom_target(
  couverture
  COMMAND ${gcovr_commun} --branches
  COMMAND ${gcovr_commun} --print-summary --fail-under-line 100
  WORKING_DIRECTORY "${PROJECT_BINARY_DIR}"
  VERBATIM)
