# The release, written by cmake/tarballs into this tree: for each processor
# a tarball, solvers-VERSION-linux-PROCESSOR.tar.gz, holding one folder of
# that name with the processor's stripped programs in bin/, their pages in
# share/man/man1/ and in share/doc/solvers/ README.md, LICENSE, the notices
# of what is linked in and the bill of materials; that bill beside it; a
# .deb and an .rpm of the same files (cmake/packaging); then the build
# record and SHA256SUMS over all of them. The same commit gives the same
# bytes.
set(release solvers-${PROJECT_VERSION}-linux)
# What writing and checking the release takes besides the build's own tools,
# each with the Debian package that has it (./setup --release installs them all).
# All that is missing is named at once, in one line.
set(missing)
foreach(need "/usr/bin/python3;python3" "/usr/bin/dpkg-query;dpkg" "/usr/bin/dpkg-deb;dpkg"
    "/usr/bin/rpmbuild;rpm" "/usr/bin/rpmlint;rpmlint" "/usr/bin/lintian;lintian")
  list(GET need 0 file)
  list(GET need 1 package)
  if(NOT EXISTS ${file})
    list(APPEND missing ${package})
  endif()
endforeach()
if(EXISTS /usr/bin/python3)
  execute_process(COMMAND /usr/bin/python3 -c "import jsonschema" RESULT_VARIABLE no_jsonschema OUTPUT_QUIET ERROR_QUIET)
  if(no_jsonschema)
    list(APPEND missing python3-jsonschema)
  endif()
endif()
# CycloneDX's schemas, in the folder that the last word of cmake/cyclonedx names.
file(STRINGS ${PROJECT_SOURCE_DIR}/cmake/cyclonedx cyclonedx REGEX "^[^#]")
string(REGEX REPLACE ".* " "" schemas "${cyclonedx}")
set(needs)
if(missing)
  list(REMOVE_DUPLICATES missing)
  list(JOIN missing " " missing)
  list(APPEND needs "install ${missing} (Debian)")
endif()
if(NOT EXISTS ${schemas}/schema/bom-1.6.SNAPSHOT.schema.json)
  list(APPEND needs "put CycloneDX's schemas into ${schemas}")
endif()
if(needs)
  list(JOIN needs " and " needs)
  message(FATAL_ERROR " the release needs more: ${needs}; ./setup --release does it")
endif()
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

# The .deb and .rpm of every processor: what they declare, the tarball's
# programs in them, lintian and rpmlint, and this machine's installed into
# scratch roots with dpkg and rpm, run and removed.
add_test(NAME package/packages
  COMMAND bash ${PROJECT_SOURCE_DIR}/tests/packages ${CMAKE_BINARY_DIR} ${PROJECT_SOURCE_DIR} ${PROJECT_VERSION}
    "${processors}" ${PROGRAMS})
