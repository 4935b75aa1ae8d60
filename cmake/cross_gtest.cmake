# GoogleTest and GoogleMock for a cross build: the target's own package when there is
# one, otherwise built here from the system's GoogleTest sources (no
# download).
find_package(GTest QUIET)
if(NOT GTest_FOUND)
  set(KELPWORTH_GTEST_SOURCE_DIR "/usr/src/googletest" CACHE PATH
      "GoogleTest sources for the cross build")
  if(NOT EXISTS "${KELPWORTH_GTEST_SOURCE_DIR}/CMakeLists.txt")
    message(FATAL_ERROR "No GoogleTest for the target and no sources at "
                        "${KELPWORTH_GTEST_SOURCE_DIR} (Debian package googletest)")
  endif()
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory("${KELPWORTH_GTEST_SOURCE_DIR}"
                   "${CMAKE_BINARY_DIR}/_deps/googletest" EXCLUDE_FROM_ALL SYSTEM)
  foreach(name gtest gtest_main gmock gmock_main)
    if(NOT TARGET GTest::${name})
      add_library(GTest::${name} ALIAS ${name})
    endif()
  endforeach()
endif()
