# The release, by cmake/tarballs, checked by tests/tarballs and tests/packages.
# Its facts are set here alone, into release.facts, read by cmake/release.bash.
set(RELEASE_NUMBER 1) # of the .deb and .rpm of this version
set(LICENCE MIT)      # ours
set(LIBGCC_LICENCE "GPL-3.0-or-later WITH GCC-exception-3.1") # GCC's runtime, in every program
file(STRINGS ${PROJECT_SOURCE_DIR}/cmake/cyclonedx cyclonedx REGEX "^[^#]")
string(REGEX REPLACE ".* " "" schemas "${cyclonedx}")
list(JOIN PROCESSORS " " processors)
file(WRITE ${CMAKE_BINARY_DIR}/release.facts
  "name='${PROJECT_NAME}'\nversion='${PROJECT_VERSION}'\nrelease='${RELEASE_NUMBER}'\n"
  "licence_ours='${LICENCE}'\nlicence_libgcc='${LIBGCC_LICENCE}'\n"
  "commit='${COMMIT}'\nepoch='${EPOCH}'\nnative='${CMAKE_SYSTEM_PROCESSOR}'\nprocessors='${processors}'\n"
  "programs='${PROGRAM_LIST}'\nsource='${PROJECT_SOURCE_DIR}'\ncxx='${CMAKE_CXX_COMPILER}'\nschemas='${schemas}/schema'\n")

# What writing and checking the release takes besides the build's tools.
set(missing)
foreach(tool /usr/bin/python3 dpkg-query dpkg-deb rpmbuild rpmlint lintian)
  find_program(found_${tool} ${tool})
  if(NOT found_${tool})
    list(APPEND missing ${tool})
  endif()
endforeach()
execute_process(COMMAND /usr/bin/python3 -c "import jsonschema" RESULT_VARIABLE no_jsonschema OUTPUT_QUIET ERROR_QUIET)
if(no_jsonschema)
  list(APPEND missing "Python's jsonschema")
endif()
if(NOT EXISTS ${schemas}/schema/bom-1.6.SNAPSHOT.schema.json)
  list(APPEND missing "CycloneDX's schemas in ${schemas}")
endif()
if(missing)
  list(JOIN missing ", " missing)
  message(FATAL_ERROR " no ${missing} for the release: ./setup --release installs them")
endif()
add_custom_target(tarballs ALL COMMAND bash ${PROJECT_SOURCE_DIR}/cmake/tarballs ${CMAKE_BINARY_DIR} VERBATIM)
add_dependencies(tarballs ${NAMES})
list(TRANSFORM PROCESSORS PREPEND programs- OUTPUT_VARIABLE trees)
list(REMOVE_ITEM trees programs-${CMAKE_SYSTEM_PROCESSOR})
if(trees)
  add_dependencies(tarballs ${trees})
endif()
enable_testing()
foreach(test tarballs packages)
  add_test(NAME package/${test} COMMAND bash ${PROJECT_SOURCE_DIR}/tests/${test} ${CMAKE_BINARY_DIR})
endforeach()
