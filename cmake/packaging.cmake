# Installation and packages. `cmake --install` puts the tool, its manual
# page (not on Windows) and the stamp library with its header, its CMake
# package and its pkg-config file in the usual places; CPack makes a Debian
# package on Linux and a zip on Windows.
include(GNUInstallDirs)

# Debian and its derivatives keep libraries in the directory of their
# architecture (lib/x86_64-linux-gnu), where the linker, pkg-config and
# CMake for that architecture look, also in a cross build. GNUInstallDirs
# picks it only for the prefix /usr; the stamp library goes there for any
# prefix, so that the Debian package, made from a build configured for
# /usr/local, has it there too.
set(libdir_default "${CMAKE_INSTALL_LIBDIR}")
if(CMAKE_LIBRARY_ARCHITECTURE AND NOT WIN32 AND CMAKE_INSTALL_LIBDIR STREQUAL "lib")
  set(libdir_default "lib/${CMAKE_LIBRARY_ARCHITECTURE}")
endif()
set(KELPWORTH_INSTALL_LIBDIR "${libdir_default}" CACHE PATH
    "Where the stamp library, its CMake package and its pkg-config file are installed")

install(TARGETS kelpworth RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS kelpworth_stamp EXPORT kelpworth_targets ARCHIVE DESTINATION ${KELPWORTH_INSTALL_LIBDIR})
install(FILES ${PROJECT_SOURCE_DIR}/include/kelpworth/stamp.h
        DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/kelpworth)

# The stamp library for CMake: find_package(kelpworth CONFIG) gives the
# imported target kelpworth::stamp.
include(CMakePackageConfigHelpers)
set(KELPWORTH_CMAKE_PACKAGE_DIR ${KELPWORTH_INSTALL_LIBDIR}/cmake/kelpworth)
install(EXPORT kelpworth_targets NAMESPACE kelpworth:: FILE kelpworth-targets.cmake
        DESTINATION ${KELPWORTH_CMAKE_PACKAGE_DIR})
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/kelpworth-config.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/kelpworth-config.cmake
  INSTALL_DESTINATION ${KELPWORTH_CMAKE_PACKAGE_DIR})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/kelpworth-config-version.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/kelpworth-config.cmake
              ${CMAKE_CURRENT_BINARY_DIR}/kelpworth-config-version.cmake
        DESTINATION ${KELPWORTH_CMAKE_PACKAGE_DIR})

# The stamp library for pkg-config: kelpworth.pc. Its prefix is the one
# given at install time (`cmake --install --prefix`, /usr in the Debian
# package), so the file is written then; in the Windows zip, which is
# unpacked anywhere, it is the file's own place.
foreach(dir KELPWORTH_INSTALL_LIBDIR CMAKE_INSTALL_INCLUDEDIR)
  if(IS_ABSOLUTE "${${dir}}")
    set(KELPWORTH_PC_${dir} "${${dir}}")
  else()
    set(KELPWORTH_PC_${dir} "\${prefix}/${${dir}}")
  endif()
endforeach()
if(IS_ABSOLUTE "${KELPWORTH_INSTALL_LIBDIR}")
  set(KELPWORTH_PC_DESTINATION "${KELPWORTH_INSTALL_LIBDIR}/pkgconfig")
else()
  set(KELPWORTH_PC_DESTINATION "\${CMAKE_INSTALL_PREFIX}/${KELPWORTH_INSTALL_LIBDIR}/pkgconfig")
endif()
if(WIN32)
  string(REGEX REPLACE "[^/]+" ".." KELPWORTH_PC_PREFIX "${KELPWORTH_INSTALL_LIBDIR}/pkgconfig")
  # Left for pkg-config to fill in: the install script must not expand it.
  set(KELPWORTH_PC_PREFIX "\\\${pcfiledir}/${KELPWORTH_PC_PREFIX}")
else()
  set(KELPWORTH_PC_PREFIX "\${CMAKE_INSTALL_PREFIX}")
endif()
set(KELPWORTH_PC_BODY ${CMAKE_CURRENT_BINARY_DIR}/kelpworth.pc.body)
set(KELPWORTH_PC_FILE ${CMAKE_CURRENT_BINARY_DIR}/pkgconfig/kelpworth.pc)
configure_file(${PROJECT_SOURCE_DIR}/cmake/kelpworth.pc.in ${KELPWORTH_PC_BODY} @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/cmake/install_pkg_config.cmake.in
               ${CMAKE_CURRENT_BINARY_DIR}/install_pkg_config.cmake @ONLY)
install(SCRIPT ${CMAKE_CURRENT_BINARY_DIR}/install_pkg_config.cmake)

# The licence, where each package keeps it: in a Debian package (and in
# any installation on Linux) as the machine-readable copyright file made
# from LICENSE, in the Windows zip as LICENSE.txt at the top.
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
if(WIN32)
  install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
else()
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/LICENSE)
  file(READ ${PROJECT_SOURCE_DIR}/LICENSE license)
  string(REGEX MATCH "Copyright \\(c\\) ([^\n]+)" holder "${license}")
  set(holder "${CMAKE_MATCH_1}")
  string(FIND "${license}" "Permission is hereby granted" terms_start)
  if(NOT holder OR terms_start EQUAL -1)
    message(FATAL_ERROR "LICENSE is not the MIT licence with one copyright line")
  endif()
  string(SUBSTRING "${license}" ${terms_start} -1 terms)
  string(STRIP "${terms}" terms)
  string(REPLACE "\n\n" "\n.\n" terms "${terms}")
  string(REPLACE "\n" "\n " terms "${terms}")
  file(CONFIGURE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/copyright @ONLY CONTENT
"Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: Kelpworth

Files: *
Copyright: ${holder}
License: Expat

License: Expat
 ${terms}
")
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()

if(NOT WIN32)
  find_program(KELPWORTH_GZIP gzip)
  # kelpworth_gzip(SOURCE NAME TARGET): SOURCE copied to NAME in the build
  # directory and compressed to NAME.gz by TARGET, as Debian keeps
  # documentation: -9, and -n leaves out the time stamp, so the same file
  # gives the same bytes.
  function(kelpworth_gzip source name target)
    set(copy ${CMAKE_CURRENT_BINARY_DIR}/${name})
    add_custom_command(OUTPUT ${copy}.gz
      COMMAND ${CMAKE_COMMAND} -E copy ${source} ${copy}
      COMMAND ${KELPWORTH_GZIP} -9 -n -f ${copy}
      DEPENDS ${source}
      VERBATIM)
    add_custom_target(${target} ALL DEPENDS ${copy}.gz)
  endfunction()

  set(KELPWORTH_MANUAL ${PROJECT_SOURCE_DIR}/docs/kelpworth.1)
  if(KELPWORTH_GZIP)
    kelpworth_gzip(${KELPWORTH_MANUAL} kelpworth.1 kelpworth_manual)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/kelpworth.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  else()
    install(FILES ${KELPWORTH_MANUAL} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endif()

  # What only the Debian package carries (the install component "debian",
  # left out of `cmake --install`): the package's changelog, and lintian's
  # overrides, each with its reason (one more for the statically linked
  # tool).
  set(debian ${PROJECT_SOURCE_DIR}/packaging/debian)
  if(KELPWORTH_GZIP)
    kelpworth_gzip(${debian}/changelog changelog.Debian kelpworth_debian_changelog)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/changelog.Debian.gz DESTINATION ${CMAKE_INSTALL_DOCDIR}
            COMPONENT debian EXCLUDE_FROM_ALL)
  endif()
  set(overrides_parts ${debian}/lintian-overrides)
  if(KELPWORTH_FAST_STARTUP)
    list(APPEND overrides_parts ${debian}/lintian-overrides-static)
  endif()
  set(overrides "")
  foreach(part IN LISTS overrides_parts)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${part})
    file(READ ${part} text)
    string(APPEND overrides "${text}")
  endforeach()
  file(CONFIGURE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/lintian-overrides CONTENT "${overrides}" @ONLY)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/lintian-overrides
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides
          RENAME kelpworth COMPONENT debian EXCLUDE_FROM_ALL)

  # Stripped (by cpack, or `cmake --install --strip`) as Debian strips its
  # packages: no compiler identification (.comment) in the tool and the
  # library either.
  set(stripped)
  foreach(path "${CMAKE_INSTALL_BINDIR}/kelpworth" "${KELPWORTH_INSTALL_LIBDIR}/libkelpworth_stamp.a")
    if(NOT IS_ABSOLUTE "${path}")
      set(path "\${CMAKE_INSTALL_PREFIX}/${path}")
    endif()
    list(APPEND stripped "\"\$ENV{DESTDIR}${path}\"")
  endforeach()
  string(JOIN " " stripped ${stripped})
  install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
      execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-debug --remove-section=.comment
                              --remove-section=.note --enable-deterministic-archives ${stripped}
                      COMMAND_ERROR_IS_FATAL ANY)
    endif()")
endif()

set(CPACK_PACKAGE_NAME kelpworth)
set(CPACK_PACKAGE_VENDOR "The Kelpworth authors")
# The default names no one: the top-level domain .invalid never resolves.
# Whoever publishes the packages sets their own name and address.
set(KELPWORTH_PACKAGE_MAINTAINER "Kelpworth maintainers <maintainers@kelpworth.invalid>"
    CACHE STRING "The maintainer named in the packages: a name and an e-mail address in <>")
set(CPACK_PACKAGE_CONTACT "${KELPWORTH_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
"Kelpworth turns a calendar date and time of day into the count of 100-ns
units since 1601-01-01 00:00, the scale of Windows file times, and prints it
as two 32-bit halves in hexadecimal.
.
The stamp arithmetic is also included as a static library with its C++
header, CMake package and pkg-config file.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_STRIP_FILES ON)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/cpack_checks.cmake)

if(WIN32)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_PACKAGE_FILE_NAME kelpworth-${PROJECT_VERSION}-win64)
else()
  set(CPACK_GENERATOR DEB)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION utils)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  # The Debian revision is the one of the changelog's latest entry, which
  # must be for this version (cmake/cpack_checks.cmake).
  file(STRINGS ${debian}/changelog latest_entry LIMIT_COUNT 1)
  if(NOT latest_entry MATCHES "^kelpworth \\(([^)-]+)-([^)-]+)\\)")
    message(FATAL_ERROR "packaging/debian/changelog: no version in '${latest_entry}'")
  endif()
  set(CPACK_KELPWORTH_CHANGELOG_VERSION "${CMAKE_MATCH_1}")
  set(CPACK_DEBIAN_PACKAGE_RELEASE "${CMAKE_MATCH_2}")
  # Everything, and then the component only the Debian package carries.
  set(CPACK_INSTALL_CMAKE_PROJECTS
      "${CMAKE_BINARY_DIR};${CMAKE_PROJECT_NAME};ALL;/"
      "${CMAKE_BINARY_DIR};${CMAKE_PROJECT_NAME};debian;/")
  # Installed through DESTDIR, the install scripts see the package's own
  # prefix, /usr, which kelpworth.pc names.
  set(CPACK_SET_DESTDIR ON)
  set(CPACK_INSTALL_PREFIX /usr)
  find_program(KELPWORTH_DPKG_SHLIBDEPS dpkg-shlibdeps)
  if(KELPWORTH_FAST_STARTUP)
    # A static executable has no shared libraries to list, but it still
    # reads the C library's locale data and, in double-byte locales, loads
    # its character-set converter modules at run time. Their formats and
    # the modules' interface belong to one upstream version of the C
    # library: the package depends on the version the tool is linked with
    # (its Debian revisions keep them), not on any later one.
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -E -dM -include features.h -x c++ /dev/null
                    OUTPUT_VARIABLE glibc_macros ERROR_QUIET)
    string(REGEX MATCH "#define __GLIBC__ ([0-9]+)" glibc_major "${glibc_macros}")
    set(glibc_major "${CMAKE_MATCH_1}")
    string(REGEX MATCH "#define __GLIBC_MINOR__ ([0-9]+)" glibc_minor "${glibc_macros}")
    set(glibc_minor "${CMAKE_MATCH_1}")
    if(NOT glibc_major STREQUAL "" AND NOT glibc_minor STREQUAL "")
      math(EXPR glibc_next_minor "${glibc_minor} + 1")
      set(CPACK_DEBIAN_PACKAGE_DEPENDS
          "libc6 (>= ${glibc_major}.${glibc_minor}), libc6 (<< ${glibc_major}.${glibc_next_minor})")
    else()
      message(WARNING "The version of the C library is unknown: the Debian package's "
                      "dependency on libc6 names none")
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
