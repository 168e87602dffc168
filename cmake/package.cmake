# Release tarballs, one a processor: solvers-VERSION-linux-PROCESSOR.tar.gz,
# each the install component of that processor (its stripped programs, their
# pages, the README and the licence), and SHA256SUMS beside them.
set(CPACK_PACKAGE_NAME solvers)
set(CPACK_PACKAGE_VENDOR "The solvers maintainers")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_GENERATOR TGZ)
set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL ${PROCESSORS})
foreach(processor IN LISTS PROCESSORS)
  string(TOUPPER ${processor} upper)
  set(CPACK_ARCHIVE_${upper}_FILE_NAME solvers-${PROJECT_VERSION}-linux-${processor})
endforeach()
# Strips what is built here; the other processors' programs come stripped
# by their own tools.
set(CPACK_STRIP_FILES ON)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/sums.cmake)
include(CPack)

# The tarballs as a user gets them: checksums, contents, the programs run
# from wherever the native one is unpacked, and each processor's programs
# built for it.
enable_testing()
list(JOIN PROCESSORS " " processors)
add_test(NAME package/tarballs
  COMMAND bash ${PROJECT_SOURCE_DIR}/tests/tarballs ${CMAKE_BINARY_DIR} solvers-${PROJECT_VERSION}-linux
    ${PROJECT_SOURCE_DIR}/examples "${processors}" ${PROGRAMS})
