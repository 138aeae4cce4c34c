# Writes in SORTIE the sources of the commit checked out, as the release
# publishes them, and the Homebrew formula that builds from them:
#   info_rle-<version>.tar.gz  the commit's files, as git archive lays them
#                              out (git's own modes, the commit's time, in
#                              path order) under info_rle-<version>/,
#                              compressed by gzip without name or time: the
#                              same bytes wherever and whenever it is made
#                              from that commit;
#   info_rle-<version>.tar.gz.sha256, as sha256sum -c checks it;
#   info_rle-<version>.tar.gz.cdx.json, its SBOM;
#   info_rle.rb                the formula, with the archive's URL in the
#                              release and its SHA-256.
#
#   cmake -DSOURCES=<checkout> -DSORTIE=<folder> -DVERSION=<version>
#         -DDEPOT=<repository's address> -DRESUME=<synopsis>
#         -DAUTEURS=<authors> -DSPDX=<licence> -P archive.cmake
cmake_minimum_required(VERSION 3.25)

foreach(programme IN ITEMS git gzip)
  string(TOUPPER "${programme}" variable)
  find_program(${variable} ${programme})
  if(NOT ${variable})
    message(FATAL_ERROR "The source archive needs ${programme}: install it (Debian: apt-get install ${programme})")
  endif()
endforeach()
set(nom "info_rle-${VERSION}")
set(archive "${SORTIE}/${nom}.tar.gz")
file(MAKE_DIRECTORY "${SORTIE}")

# Changes not committed are not in the archive: say so.
execute_process(COMMAND "${GIT}" -C "${SOURCES}" status --porcelain --untracked-files=no
                OUTPUT_VARIABLE changements RESULT_VARIABLE statut)
if(NOT statut EQUAL 0)
  message(FATAL_ERROR "${SOURCES} is not a git checkout: the source archive is made from a commit")
elseif(changements)
  message(WARNING "the source archive holds the last commit, without these changes:\n${changements}")
endif()

# tar.umask pinned, whatever the user's git says: files 644, programs 755.
execute_process(
  COMMAND "${GIT}" -C "${SOURCES}" -c tar.umask=0022 archive --format=tar "--prefix=${nom}/" HEAD
  COMMAND "${GZIP}" -9n
  OUTPUT_FILE "${archive}"
  RESULTS_VARIABLE statuts)
if(NOT statuts STREQUAL "0;0")
  message(FATAL_ERROR "git archive | gzip: ${statuts}")
endif()
file(SHA256 "${archive}" EMPREINTE)
file(WRITE "${archive}.sha256" "${EMPREINTE}  ${nom}.tar.gz\n")
configure_file("${CMAKE_CURRENT_LIST_DIR}/../homebrew/info_rle.rb.in" "${SORTIE}/info_rle.rb" @ONLY)

# The sources of the tool and of the reader, with nothing of others', dated
# as the packages are.
set(INFO_RLE_SOURCES "${SOURCES}")
include("${CMAKE_CURRENT_LIST_DIR}/../date_des_sources.cmake")
include("${CMAKE_CURRENT_LIST_DIR}/../sbom.cmake")
info_rle_composant_du_projet(application info_rle principal)
info_rle_composant_du_projet(library rle_file lecteur)
info_rle_sbom("${archive}" "${SORTIE}" "${principal}" "[${lecteur}]"
              "[{\"ref\":\"info_rle\",\"dependsOn\":[\"rle_file\"]},{\"ref\":\"rle_file\",\"dependsOn\":[]}]" "[]")
message(STATUS "${archive}: SHA-256 ${EMPREINTE}; ${SORTIE}/info_rle.rb")
