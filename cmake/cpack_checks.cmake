# Read by cpack before it makes each package.
if(CPACK_GENERATOR STREQUAL "DEB"
   AND NOT CPACK_KELPWORTH_CHANGELOG_VERSION STREQUAL CPACK_PACKAGE_VERSION)
  message(FATAL_ERROR "The latest entry of packaging/debian/changelog is for version "
                      "${CPACK_KELPWORTH_CHANGELOG_VERSION}, this is ${CPACK_PACKAGE_VERSION}: "
                      "add an entry for it")
endif()
