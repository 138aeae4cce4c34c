# Run by CPack after it makes each .deb (CPACK_POST_BUILD_SCRIPTS). A .deb is
# an ar archive of three members, debian-binary, control.tar.gz and
# data.tar.gz, whose headers CPack fills with the modes of the files it
# wrote for them: modes from the umask, which no setting controls, so that
# a package made under umask 002 differed from one made under 022. Each
# member's mode becomes 100644, as dpkg-deb writes it.
foreach(paquet IN LISTS CPACK_PACKAGE_FILES)
  if(NOT paquet MATCHES "\\.deb$")
    continue()
  endif()
  file(SIZE "${paquet}" taille)
  set(entete 8)  # after "!<arch>\n", a 60-byte header before each member
  while(entete LESS taille)
    file(READ "${paquet}" champs OFFSET ${entete} LIMIT 60)
    if(NOT champs MATCHES "`\n$")
      message(FATAL_ERROR "${paquet}: no ar member header at byte ${entete}")
    endif()
    string(SUBSTRING "${champs}" 48 10 octets)  # the member's size, in decimal
    string(STRIP "${octets}" octets)
    math(EXPR mode "${entete} + 40")  # 8 bytes, in octal
    execute_process(COMMAND sh -c "printf '100644  ' | dd of='${paquet}' bs=1 seek=${mode} conv=notrunc status=none"
                    RESULT_VARIABLE statut)
    if(NOT statut EQUAL 0)
      message(FATAL_ERROR "${paquet}: cannot set the mode of the member at byte ${entete}")
    endif()
    math(EXPR entete "${entete} + 60 + ${octets} + ${octets} % 2")  # members start on even bytes
  endwhile()
endforeach()
