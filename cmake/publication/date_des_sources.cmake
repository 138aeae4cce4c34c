# The time of everything a package or the source archive dates: the
# environment's SOURCE_DATE_EPOCH, which reproducible builds agree on; when
# the caller has not set it, the time of the last commit of INFO_RLE_SOURCES,
# or in a tree without git 2026-01-01 00:00:00 UTC. string(TIMESTAMP) and
# the packaging tools read it from the environment.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(
    COMMAND git -C "${INFO_RLE_SOURCES}" log -1 --format=%ct
    OUTPUT_VARIABLE date_des_sources
    OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  if(NOT date_des_sources MATCHES "^[0-9]+$")
    set(date_des_sources 1767225600)
  endif()
  set(ENV{SOURCE_DATE_EPOCH} "${date_des_sources}")
endif()
