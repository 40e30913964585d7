# The one version number is the project's (project(... VERSION) in the top-level
# CMakeLists.txt). Everything that names a version takes it from these:
#   ZELVANE_VERSION            1.2.3     the release: the archive's name, the product version
#   ZELVANE_FILE_VERSION       1.2.3.0   the DLL's file version, the side-by-side assembly's version
#   ZELVANE_FILE_VERSION_LIST  1,2,3,0   the same for the version resource's binary fields
#   ZELVANE_VERSION_MAJOR/MINOR, ZELVANE_TYPELIB_VERSION (1.2): the type library's version,
#     which registration writes too, so a new minor version is a new type library version
# zelvane_version_variables(<version>) sets them in the caller for another version
# (the upgrade tests build an older one).
function(zelvane_version_variables version)
  string(REPLACE "." ";" parts "${version}")
  list(APPEND parts 0 0 0)
  list(SUBLIST parts 0 4 parts)
  list(GET parts 0 major)
  list(GET parts 1 minor)
  list(JOIN parts "." file_version)
  list(JOIN parts "," file_version_list)
  set(ZELVANE_VERSION ${version} PARENT_SCOPE)
  set(ZELVANE_VERSION_MAJOR ${major} PARENT_SCOPE)
  set(ZELVANE_VERSION_MINOR ${minor} PARENT_SCOPE)
  set(ZELVANE_TYPELIB_VERSION ${major}.${minor} PARENT_SCOPE)
  set(ZELVANE_FILE_VERSION ${file_version} PARENT_SCOPE)
  set(ZELVANE_FILE_VERSION_LIST ${file_version_list} PARENT_SCOPE)
endfunction()
zelvane_version_variables(${PROJECT_VERSION})
