# Release tarballs, one a processor, written by cmake/tarballs into this
# tree: solvers-VERSION-linux-PROCESSOR.tar.gz, each holding one folder of
# that name with the processor's stripped programs in bin/, their pages in
# share/man/man1/ and README.md and LICENSE in share/doc/solvers/, and
# SHA256SUMS beside them. The same commit gives the same bytes.
set(release solvers-${PROJECT_VERSION}-linux)
# What writing and checking the release takes besides the build's own tools,
# each with the Debian package that has it (./setup installs them all).
foreach(need "/usr/bin/python3;python3" "/usr/bin/dpkg-query;dpkg")
  list(GET need 0 file)
  list(GET need 1 package)
  if(NOT EXISTS ${file})
    message(FATAL_ERROR "no ${file}: install ${package} (Debian; ./setup does)")
  endif()
endforeach()
add_custom_target(tarballs ALL
  COMMAND bash ${PROJECT_SOURCE_DIR}/cmake/tarballs ${CMAKE_BINARY_DIR} ${PROJECT_SOURCE_DIR} ${release} ${CMAKE_CXX_COMPILER} ${PROCESSORS}
  COMMENT "Writing the release tarballs"
  VERBATIM)
add_dependencies(tarballs ${NAMES})
foreach(processor IN LISTS PROCESSORS)
  if(TARGET programs-${processor})
    add_dependencies(tarballs programs-${processor})
  endif()
endforeach()

# The tarballs as a user gets them: checksums, contents, owners, modes and
# times of the entries, the programs run from wherever the native one is
# unpacked, each processor's programs built and hardened for it, and
# unpacking into a prefix that is already there.
enable_testing()
list(JOIN PROCESSORS " " processors)
add_test(NAME package/tarballs
  COMMAND bash ${PROJECT_SOURCE_DIR}/tests/tarballs ${CMAKE_BINARY_DIR} ${release}
    ${PROJECT_SOURCE_DIR} "${processors}" ${PROGRAMS})
