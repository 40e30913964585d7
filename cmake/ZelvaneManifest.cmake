# Side-by-side manifests take the control's identifiers from its IDL, so the GUIDs
# are written in one place only.
set(ZELVANE_IDL ${PROJECT_SOURCE_DIR}/src/com/zelvane_text_box.idl)

function(zelvane_idl_uuid out idl_text keyword name)
  # The uuid in the attribute block right before "<keyword> <name>".
  string(REGEX MATCH "uuid\\(([0-9A-Fa-f-]+)\\)[^]]*\\][ \t\r\n]*${keyword}[ \t\r\n]+${name}[ \t\r\n:{]"
         found "${idl_text}")
  if(NOT found)
    message(FATAL_ERROR "no uuid for ${keyword} ${name} in ${ZELVANE_IDL}")
  endif()
  string(TOUPPER "${CMAKE_MATCH_1}" id)
  set(${out} ${id} PARENT_SCOPE)
endfunction()

# Configures `template` into `output` with ZELVANE_LIBID, ZELVANE_CLSID,
# ZELVANE_IID_INTERFACE, ZELVANE_IID_INTERFACE2, ZELVANE_IID_INTERFACE3, ZELVANE_IID_INTERFACE4,
# ZELVANE_IID_EVENTS, ZELVANE_ASSEMBLY_ARCH, the
# ZELVANE_ASSEMBLY_VERSION (the DLL's file version) and the ZELVANE_TYPELIB_VERSION,
# both from cmake/ZelvaneVersion.cmake.
function(zelvane_configure_manifest template output)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${ZELVANE_IDL})
  file(READ ${ZELVANE_IDL} idl_text)
  zelvane_idl_uuid(ZELVANE_LIBID "${idl_text}" library ZelvaneTextBox)
  zelvane_idl_uuid(ZELVANE_CLSID "${idl_text}" coclass Zelvane)
  zelvane_idl_uuid(ZELVANE_IID_INTERFACE "${idl_text}" interface _Zelvane)
  zelvane_idl_uuid(ZELVANE_IID_INTERFACE2 "${idl_text}" interface _Zelvane2)
  zelvane_idl_uuid(ZELVANE_IID_INTERFACE3 "${idl_text}" interface _Zelvane3)
  zelvane_idl_uuid(ZELVANE_IID_INTERFACE4 "${idl_text}" interface _Zelvane4)
  zelvane_idl_uuid(ZELVANE_IID_EVENTS "${idl_text}" dispinterface __Zelvane)
  set(ZELVANE_ASSEMBLY_VERSION ${ZELVANE_FILE_VERSION})
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(ZELVANE_ASSEMBLY_ARCH amd64)
  else()
    set(ZELVANE_ASSEMBLY_ARCH x86)
  endif()
  configure_file(${template} ${output} @ONLY)
endfunction()
