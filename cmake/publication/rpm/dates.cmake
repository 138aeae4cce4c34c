# Run by CPack once it has installed what an RPM package holds, before
# rpmbuild packs it (CPACK_PRE_BUILD_SCRIPTS): every file's time becomes
# SOURCE_DATE_EPOCH. rpmbuild only brings back the times that are later: a
# file installed from an older checkout (README.md, LICENSE) kept its own,
# and two checkouts of one commit made two packages.
execute_process(COMMAND find "${CPACK_TEMPORARY_DIRECTORY}" -exec touch -h -d "@$ENV{SOURCE_DATE_EPOCH}" {} +
                RESULT_VARIABLE statut)
if(NOT statut EQUAL 0)
  message(FATAL_ERROR "cannot set the times of ${CPACK_TEMPORARY_DIRECTORY}: ${statut}")
endif()
