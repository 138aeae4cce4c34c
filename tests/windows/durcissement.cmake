# Fails when a MinGW-built program or DLL lacks the protections Windows
# offers it: the stack guard (GCC's, which MinGW only links when asked:
# the module must call __stack_chk_fail), address space layout
# randomisation with 64-bit entropy, and no execution of data.
#
#   cmake -DOBJDUMP=<objdump> -DPROGRAMME=<exe> [-DDLL=<the project's dll>] -P durcissement.cmake
cmake_minimum_required(VERSION 3.25)

foreach(module IN ITEMS ${PROGRAMME} ${DLL})
  execute_process(COMMAND "${OBJDUMP}" -p -t "${module}" OUTPUT_VARIABLE table RESULT_VARIABLE statut)
  if(NOT statut EQUAL 0)
    message(FATAL_ERROR "${OBJDUMP} ${module} failed: ${statut}")
  endif()
  string(REGEX MATCH "DllCharacteristics[^\n]*\n(([ \t]+[A-Z_]+\n)*)" caracteristiques "${table}")
  set(manques "")
  foreach(protection IN ITEMS DYNAMIC_BASE HIGH_ENTROPY_VA NX_COMPAT)
    if(NOT caracteristiques MATCHES "${protection}")
      list(APPEND manques ${protection})
    endif()
  endforeach()
  if(NOT table MATCHES " __stack_chk_fail\n")
    list(APPEND manques "stack protector (no __stack_chk_fail)")
  endif()
  if(manques)
    message(FATAL_ERROR "${module} lacks: ${manques}")
  endif()
  message(STATUS "${module}: stack protector, DYNAMIC_BASE, HIGH_ENTROPY_VA, NX_COMPAT")
endforeach()
