# Run by CPack after it makes the Windows zip (CPACK_POST_BUILD_SCRIPTS):
# writes beside it the manifests that winget and Scoop install it from, each
# with the zip's own SHA-256 and the exe at its root, so that they can never
# name another zip.
#   <identifier>.yaml, .installer.yaml, .locale.en-US.yaml
#       winget's three, in the schema the community repository accepts
#       (manifests/<letter>/<publisher>/<package>/<version>/ there);
#   info_rle.json
#       Scoop's, for a bucket.
set(schema 1.12.0)
set(identifiant "${CPACK_INFO_RLE_WINGET}")
set(modeles "${CPACK_INFO_RLE_SOURCES}/cmake/publication/windows")
string(TIMESTAMP date "%Y-%m-%d" UTC)  # SOURCE_DATE_EPOCH's day
foreach(paquet IN LISTS CPACK_PACKAGE_FILES)
  if(NOT paquet MATCHES "\\.zip$")
    continue()
  endif()
  get_filename_component(nom "${paquet}" NAME)
  if(nom MATCHES "-x86_64\\.zip$")
    set(architecture x64)
    set(architecture_scoop 64bit)
  elseif(nom MATCHES "-aarch64\\.zip$")
    set(architecture arm64)
    set(architecture_scoop arm64)
  else()
    message(FATAL_ERROR "${nom}: no winget or Scoop architecture for it")
  endif()
  file(SHA256 "${paquet}" empreinte)
  string(TOUPPER "${empreinte}" EMPREINTE)
  set(url "${CPACK_INFO_RLE_DEPOT}/releases/download/v${CPACK_PACKAGE_VERSION}/${nom}")
  string(REPLACE "${CPACK_PACKAGE_VERSION}" "$version" nom_autoupdate "${nom}")
  configure_file("${modeles}/winget-version.yaml.in" "${CPACK_PACKAGE_DIRECTORY}/${identifiant}.yaml" @ONLY)
  configure_file("${modeles}/winget-installer.yaml.in" "${CPACK_PACKAGE_DIRECTORY}/${identifiant}.installer.yaml" @ONLY)
  configure_file("${modeles}/winget-locale.yaml.in" "${CPACK_PACKAGE_DIRECTORY}/${identifiant}.locale.en-US.yaml" @ONLY)
  configure_file("${modeles}/scoop.json.in" "${CPACK_PACKAGE_DIRECTORY}/info_rle.json" @ONLY)
  message(STATUS "winget and Scoop manifests for ${nom} (SHA-256 ${empreinte})")
endforeach()
