# Fails when the executable needs a DLL that a bare Windows does not have
# (the MinGW runtime: libstdc++, libgcc, libwinpthread; Visual C++'s:
# vcruntime, msvcp). A DLL of the project's own, found beside the program,
# is allowed, and must need no more than the program itself.
#
#   cmake -DOUTIL=<objdump or dumpbin> -DPROGRAMME=<exe> -P dll_systeme.cmake
cmake_minimum_required(VERSION 3.25)

get_filename_component(dossier "${PROGRAMME}" DIRECTORY)

function(verifier module)
  if(OUTIL MATCHES "dumpbin")
    execute_process(COMMAND "${OUTIL}" /NOLOGO /DEPENDENTS "${module}" OUTPUT_VARIABLE table RESULT_VARIABLE statut)
    string(REGEX MATCHALL "\n +[^ \r\n]+\\.[dD][lL][lL]" importees "${table}")
  else()
    execute_process(COMMAND "${OUTIL}" -p "${module}" OUTPUT_VARIABLE table RESULT_VARIABLE statut)
    string(REGEX MATCHALL "DLL Name: [^\r\n]+" importees "${table}")
  endif()
  if(NOT statut EQUAL 0)
    message(FATAL_ERROR "${OUTIL} ${module} failed: ${statut}")
  endif()
  if(NOT importees)
    message(FATAL_ERROR "no imported DLL found in ${module}")
  endif()
  foreach(ligne IN LISTS importees)
    string(REGEX REPLACE "^(\n +|DLL Name: )" "" dll "${ligne}")
    string(TOLOWER "${dll}" minuscules)
    if(minuscules MATCHES "^(kernel32|msvcrt|user32|advapi32|ntdll|api-ms-win-[a-z0-9-]+)\\.dll$")
      message(STATUS "${module} imports ${dll}")
    elseif(EXISTS "${dossier}/${dll}")
      message(STATUS "${module} imports ${dll}, the project's own, beside it")
      verifier("${dossier}/${dll}")
    else()
      message(FATAL_ERROR "${module} needs ${dll}, which a bare Windows does not have")
    endif()
  endforeach()
endfunction()

verifier("${PROGRAMME}")
