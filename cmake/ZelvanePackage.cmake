# zelvane_add_package(<target> <server target> <version> <folder>): what one server DLL
# (zelvane_add_server) gives a release. Building <target> stages <folder>/<x86|x64>/
# with the DLL, its symbols, its side-by-side manifest and its VB6 dependency file;
# <folder>/ZelvaneTextBox.wxs is the source of the width's Windows Installer package
# (build_msi in scripts/lib.sh), with the registration's rows as Registry rows.
include(${CMAKE_CURRENT_LIST_DIR}/ZelvaneRegistration.cmake)

function(zelvane_add_package target server version folder)
  set(package_dir ${PROJECT_SOURCE_DIR}/package)
  zelvane_version_variables(${version})
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(ZELVANE_WIDTH x64)
    set(ZELVANE_MSI_PROGRAM_FILES ProgramFiles64Folder)
    set(ZELVANE_MSI_WIN64 yes)
    set(ZELVANE_MSI_UPGRADE_CODE 57120662-0D6A-4D5E-9C21-E6C821DB3160)
  else()
    set(ZELVANE_WIDTH x86)
    set(ZELVANE_MSI_PROGRAM_FILES ProgramFilesFolder)
    set(ZELVANE_MSI_WIN64 no)
    set(ZELVANE_MSI_UPGRADE_CODE DD64617D-C244-451B-8C4B-9AF1CD2D8718)
  endif()
  set(stage ${folder}/${ZELVANE_WIDTH})
  # CR LF, as the Windows tools that read it expect.
  configure_file(${package_dir}/ZelvaneTextBox.dep.in ${folder}/ZelvaneTextBox.dep @ONLY NEWLINE_STYLE CRLF)

  # Component codes follow from the upgrade code (one width's files) or from the type
  # library's identifier (the keys both widths share, the version key's per version);
  # the product code changes with the version, so each version is a major upgrade.
  file(READ ${ZELVANE_IDL} idl_text)
  zelvane_idl_uuid(libid "${idl_text}" library ZelvaneTextBox)
  foreach(code PRODUCT_CODE:${ZELVANE_MSI_UPGRADE_CODE}:ProductCode-${ZELVANE_VERSION}
               DLL_COMPONENT:${ZELVANE_MSI_UPGRADE_CODE}:ZelvaneTextBox.dll
               MANIFEST_COMPONENT:${ZELVANE_MSI_UPGRADE_CODE}:ZelvaneTextBox.X.manifest
               TYPELIB_COMPONENT:${libid}:TypeLib-${ZELVANE_TYPELIB_VERSION}
               PROGID_COMPONENT:${libid}:ProgIds)
    string(REPLACE ":" ";" code "${code}")
    list(GET code 0 variable)
    list(GET code 1 namespace)
    list(GET code 2 name)
    string(UUID ZELVANE_MSI_${variable} NAMESPACE ${namespace} NAME ${name} TYPE SHA1 UPPER)
  endforeach()
  zelvane_registry_rows_wix(ZelvaneTextBox.dll typelib progid)
  configure_file(${package_dir}/ZelvaneTextBox.wxs.in ${folder}/ZelvaneTextBox.wxs @ONLY)

  add_custom_target(${target}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${stage}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:${server}> $<TARGET_FILE:${server}>.debug
            $<TARGET_FILE_DIR:${server}>/ZelvaneTextBox.X.manifest ${folder}/ZelvaneTextBox.dep ${stage}/
    DEPENDS ${server}
    COMMENT "ZelvaneTextBox.dll ${version}, its symbols, manifest and dependency file in ${stage}"
    VERBATIM)
endfunction()
