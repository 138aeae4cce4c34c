# Builds a program of someone else's that uses the reader, one way a user
# would, runs it on examples/image.rle and checks what it prints.
#
#   cmake -DMODE=<way> -DSOURCES=<project sources> -DBINAIRE=<project build>
#         -DTRAVAIL=<work folder> [-DRACINE=<DESTDIR>] -DPREFIXE=<install of
#         the project> [-DABSOLUS=<its absolute install folders>]
#         -DGENERATEUR=... [-DPLATEFORME=...] -DCONFIG=<configuration>
#         -DCXX=<compiler> -DDRAPEAUX_CXX=... -DDRAPEAUX_EDITION=...
#         -DSUFFIXE_EXE=<.exe or nothing> -DDOSSIER_OUTIL=<the tool's folder
#         in an install> -DDOSSIER_BIBLIOTHEQUE=<the reader's>
#         -DDOSSIER_DU_SYSTEME=<ON where the system searches it>
#         [-DPKG_CONFIG=<path>] [-DNM=<nm>] [-DEMULATEUR=<wine>] -P essayer.cmake
#
# The ways:
#   installation          installs the project's build under TRAVAIL: with
#                         DESTDIR=RACINE where RACINE is given, so that
#                         absolute install folders stay there too, else in
#                         PREFIXE; configurations installed there in turn
#                         keep their own library files
#   find_package          examples/consumer against the installed package
#   add_subdirectory      examples/consumer with the reader's sources in its
#                         tree: only the reader is defined, built as C++17
#                         (CMake's file API lists the targets and their
#                         standard), nothing installed
#   partagee              a shared library of the consumer's that links the
#                         installed static reader
#   pkg-config            examples/consumer/main.cpp, flags from pkg-config
#                         for a static link (--static), run through the
#                         emulator when cross-compiled
#   bibliotheque_partagee a shared build's installed tool finds the reader by
#                         itself, and (Linux) the reader exports its API alone
# The ways that use the installed package skip where its folders are
# absolute: it names them, not the staging folder.
cmake_minimum_required(VERSION 3.25)

set(exemple "${SOURCES}/examples/image.rle")
set(consommateur "${SOURCES}/examples/consumer")
set(dossier "${TRAVAIL}/${MODE}")
file(REMOVE_RECURSE "${dossier}")
# The configuration, for generators that build several (Visual Studio, Xcode).
set(configuration "")
if(CONFIG)
  set(configuration --config "${CONFIG}")
endif()

function(executer)  # runs a command; its stdout in `sortie`, or fails
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE statut OUTPUT_VARIABLE texte ERROR_VARIABLE erreurs)
  if(NOT statut EQUAL 0)
    list(JOIN ARGN " " commande)
    message(FATAL_ERROR "${commande}: ${statut}\n${texte}${erreurs}")
  endif()
  set(sortie "${texte}" PARENT_SCOPE)
endfunction()

# Configures and builds in the configuration under test, with the project's
# compiler and flags (Visual Studio chooses its compiler itself).
function(construire source binaire)
  set(outils "")
  if(PLATEFORME)
    list(APPEND outils -A "${PLATEFORME}")
  endif()
  if(NOT GENERATEUR MATCHES "^Visual Studio")
    list(APPEND outils "-DCMAKE_CXX_COMPILER=${CXX}")
  endif()
  executer(
    "${CMAKE_COMMAND}" -S "${source}" -B "${binaire}" -G "${GENERATEUR}" ${outils} "-DCMAKE_BUILD_TYPE=${CONFIG}"
    "-DCMAKE_CXX_FLAGS=${DRAPEAUX_CXX}" "-DCMAKE_EXE_LINKER_FLAGS=${DRAPEAUX_EDITION}"
    "-DCMAKE_SHARED_LINKER_FLAGS=${DRAPEAUX_EDITION}" ${ARGN})
  executer("${CMAKE_COMMAND}" --build "${binaire}" ${configuration})
endfunction()

# The path of a program built in `binaire`: in the configuration's own
# folder with a generator that builds several.
function(programme binaire nom variable)
  set(chemin "${binaire}/${nom}${SUFFIXE_EXE}")
  if(EXISTS "${binaire}/${CONFIG}/${nom}${SUFFIXE_EXE}")
    set(chemin "${binaire}/${CONFIG}/${nom}${SUFFIXE_EXE}")
  endif()
  set(${variable} "${chemin}" PARENT_SCOPE)
endfunction()

function(attendre commande attendu)  # runs the program on the example, compares its stdout
  executer(${commande} "${exemple}")
  string(REPLACE "\r\n" "\n" sortie "${sortie}")
  if(NOT sortie STREQUAL attendu)
    message(FATAL_ERROR "${commande} printed [${sortie}], expected [${attendu}]")
  endif()
  message(STATUS "${commande}: ${sortie}")
endfunction()

set(pixels "307200\n")  # 640 x 480: the sum of the example's run lengths
if(ABSOLUS AND NOT MODE MATCHES "^(installation|add_subdirectory)$")
  message("SKIPPED: the install folders are absolute (${ABSOLUS}): the installed package names them, "
          "not the staging folder under the build tree")
  return()
endif()
if(MODE STREQUAL "installation")
  if(RACINE)
    set(ENV{DESTDIR} "${RACINE}")
    executer("${CMAKE_COMMAND}" --install "${BINAIRE}" ${configuration})
  else()
    executer("${CMAKE_COMMAND}" --install "${BINAIRE}" ${configuration} --prefix "${PREFIXE}")
  endif()
  # Configurations installed in turn in one prefix, as Visual Studio and
  # Xcode users do, each keep their own library files.
  file(GLOB_RECURSE cibles "${PREFIXE}/*/rle_fileTargets-*.cmake")
  set(fichiers "")
  foreach(cible IN LISTS cibles)
    file(STRINGS "${cible}" lignes REGEX "IMPORTED_(LOCATION|IMPLIB)_[A-Z_]+ ")
    foreach(ligne IN LISTS lignes)
      string(REGEX REPLACE "^.*IMPORTED_[A-Z_]+ \"([^\"]+)\".*$" "\\1" fichier "${ligne}")
      list(APPEND fichiers "${fichier}")
    endforeach()
  endforeach()
  set(distincts "${fichiers}")
  list(REMOVE_DUPLICATES distincts)
  if(NOT distincts STREQUAL fichiers)
    message(FATAL_ERROR "configurations installed side by side share library files: ${fichiers}")
  endif()
  message(STATUS "installed side by side: ${fichiers}")

elseif(MODE STREQUAL "find_package")
  construire("${consommateur}" "${dossier}" "-DCMAKE_PREFIX_PATH=${PREFIXE}")
  programme("${dossier}" somme_combien somme)
  attendre("${somme}" "${pixels}")

elseif(MODE STREQUAL "add_subdirectory")
  # The targets it defines, as CMake's file API lists them for any generator.
  file(WRITE "${dossier}/.cmake/api/v1/query/codemodel-v2" "")
  construire("${consommateur}" "${dossier}" "-DRLE_FILE_SOURCES=${SOURCES}")
  programme("${dossier}" somme_combien somme)
  attendre("${somme}" "${pixels}")
  file(GLOB modele "${dossier}/.cmake/api/v1/reply/codemodel-v2-*.json")
  file(READ "${modele}" modele)
  string(JSON cibles GET "${modele}" configurations 0 targets)
  string(JSON nombre LENGTH "${cibles}")
  set(noms "")
  math(EXPR dernier "${nombre} - 1")
  foreach(rang RANGE ${dernier})
    string(JSON nom GET "${cibles}" ${rang} name)
    list(APPEND noms "${nom}")
    if(nom STREQUAL "rle_file")  # built as C++17, as the README promises
      string(JSON fichier GET "${cibles}" ${rang} jsonFile)
      file(READ "${dossier}/.cmake/api/v1/reply/${fichier}" cible)
      # (absent where the compiler's own standard is the one asked for)
      string(JSON norme ERROR_VARIABLE sans_norme GET "${cible}" compileGroups 0 languageStandard standard)
      if(NOT sans_norme AND NOT norme STREQUAL "17")
        message(FATAL_ERROR "the reader's sources are built as C++${norme}, not C++17")
      endif()
    endif()
  endforeach()
  set(des_notres "${noms}")
  list(FILTER des_notres INCLUDE REGEX "info_rle|rle_file")
  if(NOT des_notres STREQUAL "rle_file")
    message(FATAL_ERROR "built from another project's tree, the project defines more than the reader: ${noms}")
  endif()
  executer("${CMAKE_COMMAND}" --install "${dossier}" ${configuration} --prefix "${dossier}/installe")
  file(GLOB_RECURSE installes "${dossier}/installe/*")
  if(installes)
    message(FATAL_ERROR "the consumer's install put files of ours in its prefix: ${installes}")
  endif()

elseif(MODE STREQUAL "partagee")
  construire("${CMAKE_CURRENT_LIST_DIR}/partagee" "${dossier}" "-DCMAKE_PREFIX_PATH=${PREFIXE}")
  programme("${dossier}" somme_partagee somme)
  attendre("${somme}" "${pixels}")

elseif(MODE STREQUAL "pkg-config")
  if(NOT PKG_CONFIG)
    message("SKIPPED: no pkg-config on this machine (Debian: apt-get install pkg-config)")
    return()
  endif()
  file(GLOB_RECURSE pc "${PREFIXE}/rle_file.pc")
  get_filename_component(chemin_pc "${pc}" DIRECTORY)
  set(ENV{PKG_CONFIG_PATH} "${chemin_pc}")
  set(ENV{PKG_CONFIG_SYSROOT_DIR} "${RACINE}")  # the file names the prefix it was made for
  executer("${PKG_CONFIG}" --static --cflags --libs rle_file)
  separate_arguments(drapeaux_pc UNIX_COMMAND "${sortie}")
  if(NOT EMULATEUR)  # a shared reader is found where pkg-config says it is
    executer("${PKG_CONFIG}" --variable=libdir rle_file)
    string(STRIP "${sortie}" dossier_bibliotheque)
    string(FIND "${dossier_bibliotheque}" "${RACINE}" position)
    if(RACINE AND NOT position EQUAL 0)  # pkgconf puts the staging root before it, pkg-config does not
      string(PREPEND dossier_bibliotheque "${RACINE}")
    endif()
    list(APPEND drapeaux_pc "-Wl,-rpath,${dossier_bibliotheque}")
  endif()
  separate_arguments(drapeaux UNIX_COMMAND "${DRAPEAUX_CXX} ${DRAPEAUX_EDITION}")
  file(MAKE_DIRECTORY "${dossier}")
  set(somme "${dossier}/somme_combien${SUFFIXE_EXE}")
  executer("${CXX}" -std=c++17 ${drapeaux} "${consommateur}/main.cpp" ${drapeaux_pc} -o "${somme}")
  attendre("${EMULATEUR};${somme}" "${pixels}")

elseif(MODE STREQUAL "bibliotheque_partagee")
  file(GLOB bibliotheques "${PREFIXE}/${DOSSIER_BIBLIOTHEQUE}/librle_file*.so*"
       "${PREFIXE}/${DOSSIER_BIBLIOTHEQUE}/librle_file*.dylib" "${PREFIXE}/${DOSSIER_OUTIL}/*rle_file*.dll")
  if(NOT bibliotheques)
    message(FATAL_ERROR "no shared reader installed in ${PREFIXE}")
  endif()
  if(NM AND CMAKE_HOST_SYSTEM_NAME STREQUAL "Linux")
    list(GET bibliotheques 0 bibliotheque)
    executer("${CMAKE_COMMAND}" "-DOUTIL=${NM}" "-DBIBLIOTHEQUE=${bibliotheque}" -P "${SOURCES}/tests/api_exportee.cmake")
    message(STATUS "${sortie}")
  endif()
  if(CMAKE_HOST_SYSTEM_NAME STREQUAL "Linux" AND NOT EXISTS "/proc/self/exe")
    message("SKIPPED: /proc is not mounted here, and the installed tool finds the reader through $ORIGIN, "
            "which the loader reads from /proc/self/exe")
    return()
  endif()
  # In a folder the system searches, the tool has no RUNPATH: the staged
  # copy of that folder stands for it.
  if(DOSSIER_DU_SYSTEME AND NOT CMAKE_HOST_WIN32)
    set(ENV{LD_LIBRARY_PATH} "${PREFIXE}/${DOSSIER_BIBLIOTHEQUE}")
  endif()
  file(READ "${SOURCES}/tests/e2e/cas/image-stdout.txt" rapport)
  string(REPLACE "examples/image.rle" "${exemple}" rapport "${rapport}")
  attendre("${PREFIXE}/${DOSSIER_OUTIL}/info_rle${SUFFIXE_EXE}" "${rapport}")

else()
  message(FATAL_ERROR "unknown MODE ${MODE}")
endif()
