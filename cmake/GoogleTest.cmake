# Native builds use the distribution's GoogleTest; cross builds compile it from the
# source the googletest package ships, so the Windows test programs link statically.
if(CMAKE_CROSSCOMPILING)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  # Newer GoogleTest sources name their targets GTest::* themselves.
  if(NOT TARGET GTest::gtest_main)
    add_library(GTest::gtest_main ALIAS gtest_main)
  endif()
  if(NOT TARGET GTest::gmock)
    add_library(GTest::gmock ALIAS gmock)
  endif()
else()
  find_package(GTest REQUIRED)
endif()
include(GoogleTest)

option(ZELVANE_TEST_PER_PROGRAM "One test entry per test program instead of one per test" OFF)

# The test programs' own code is compiled unoptimized, which about halves their build:
# the code they test keeps the build type's optimization, and their own work is short.
set(ZELVANE_TEST_COMPILE_OPTIONS $<$<CXX_COMPILER_ID:GNU,Clang>:-O0>)

# One test program per folder keeps link times low on small machines.
function(zelvane_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_compile_options(${name} PRIVATE ${ZELVANE_TEST_COMPILE_OPTIONS})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main GTest::gmock)
  if(CMAKE_CROSSCOMPILING)
    target_link_options(${name} PRIVATE -static)
  endif()
  if(CMAKE_CROSSCOMPILING OR ZELVANE_TEST_PER_PROGRAM)
    # Under Wine discovery would start each program twice; under the sanitizers a
    # program's start and leak check cost more than most of its tests.
    add_test(NAME ${name} COMMAND ${name})
  else()
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120)
  endif()
endfunction()
