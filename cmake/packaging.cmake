# Installation and packages. `cmake --install` puts the tool, its manual
# page (not on Windows) and the stamp library with its header in the usual
# places; CPack makes a Debian package on Linux and a zip on Windows.
include(GNUInstallDirs)

install(TARGETS kelpworth RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS kelpworth_stamp ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(FILES ${PROJECT_SOURCE_DIR}/include/kelpworth/stamp.h
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/kelpworth)

if(NOT WIN32)
  set(KELPWORTH_MANUAL ${PROJECT_SOURCE_DIR}/docs/kelpworth.1)
  find_program(KELPWORTH_GZIP gzip)
  if(KELPWORTH_GZIP)
    # Manual pages are kept compressed; -n leaves out the time stamp, so
    # the same page gives the same bytes.
    set(compressed ${CMAKE_CURRENT_BINARY_DIR}/kelpworth.1.gz)
    add_custom_command(OUTPUT ${compressed}
      COMMAND ${CMAKE_COMMAND} -E copy ${KELPWORTH_MANUAL} ${CMAKE_CURRENT_BINARY_DIR}/kelpworth.1
      COMMAND ${KELPWORTH_GZIP} -9 -n -f ${CMAKE_CURRENT_BINARY_DIR}/kelpworth.1
      DEPENDS ${KELPWORTH_MANUAL}
      VERBATIM)
    add_custom_target(kelpworth_manual ALL DEPENDS ${compressed})
    install(FILES ${compressed} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  else()
    install(FILES ${KELPWORTH_MANUAL} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endif()
endif()

set(CPACK_PACKAGE_NAME kelpworth)
set(CPACK_PACKAGE_VENDOR "Kelpworth authors")
set(CPACK_PACKAGE_CONTACT "Kelpworth authors" CACHE STRING "Maintainer named in the packages")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
  "Kelpworth turns a calendar date and time of day into the count of 100-ns units since 1601-01-01 00:00, the scale of Windows file times, and prints it as two 32-bit halves in hexadecimal. The stamp arithmetic is also included as a static library with its C++ header.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_STRIP_FILES ON)

if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME kelpworth-${PROJECT_VERSION}-win64)
else()
  set(CPACK_GENERATOR DEB)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION utils)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  find_program(KELPWORTH_DPKG_SHLIBDEPS dpkg-shlibdeps)
  if(KELPWORTH_FAST_STARTUP)
    # A static executable has no shared libraries to list, but it still
    # reads the C library's locale data and loads its character-set
    # converters at run time, which must come from the same C library.
    execute_process(COMMAND getconf GNU_LIBC_VERSION
                    OUTPUT_VARIABLE glibc_version OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    string(REGEX MATCH "[0-9]+\\.[0-9]+" glibc_version "${glibc_version}")
    if(glibc_version)
      set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6 (>= ${glibc_version})")
    else()
      set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6")
    endif()
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "locales")
  elseif(KELPWORTH_DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  else()
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6, libstdc++6, libgcc-s1")
  endif()
endif()

include(CPack)
