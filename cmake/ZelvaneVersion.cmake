# The one version number is the project's (project(... VERSION) in the top-level
# CMakeLists.txt). Everything that names a version takes it from these:
#   ZELVANE_VERSION            1.2.3     the release: the archive's name, the product version
#   ZELVANE_FILE_VERSION       1.2.3.0   the DLL's file version, the side-by-side assembly's version
#   ZELVANE_FILE_VERSION_LIST  1,2,3,0   the same for the version resource's binary fields
#   ZELVANE_VERSION_MAJOR/MINOR, ZELVANE_TYPELIB_VERSION (1.2): the type library's version,
#     which registration writes too, so a new minor version is a new type library version
set(ZELVANE_VERSION ${PROJECT_VERSION})
set(ZELVANE_VERSION_MAJOR ${PROJECT_VERSION_MAJOR})
if("${PROJECT_VERSION_MINOR}" STREQUAL "")
  set(ZELVANE_VERSION_MINOR 0)
else()
  set(ZELVANE_VERSION_MINOR ${PROJECT_VERSION_MINOR})
endif()
set(ZELVANE_TYPELIB_VERSION ${ZELVANE_VERSION_MAJOR}.${ZELVANE_VERSION_MINOR})
set(version_parts ${ZELVANE_VERSION_MAJOR} ${ZELVANE_VERSION_MINOR})
foreach(part PATCH TWEAK)
  if("${PROJECT_VERSION_${part}}" STREQUAL "")
    list(APPEND version_parts 0)
  else()
    list(APPEND version_parts ${PROJECT_VERSION_${part}})
  endif()
endforeach()
list(JOIN version_parts "." ZELVANE_FILE_VERSION)
list(JOIN version_parts "," ZELVANE_FILE_VERSION_LIST)
