# Trees that build the programs for another 64-bit processor, with Debian's
# cross compiler and musl for that processor, next to this machine's tree.

# cross_tree(PROCESSOR [PACKAGE...]): configures ${CMAKE_BINARY_DIR}/PROCESSOR, a tree of
# the programs alone for PROCESSOR (aarch64, s390x), and adds the target
# programs-PROCESSOR, which builds them (and `reason`) and installs them
# stripped into PROCESSOR/stage. Where the tools are missing it configures
# nothing and sets CROSS_MISSING to a line that names the Debian packages,
# those given (found missing by the caller) first.
function(cross_tree processor)
  set(CROSS_MISSING "" PARENT_SCOPE)
  set(debian ${processor})
  if(processor STREQUAL "aarch64")
    set(debian arm64)
  endif()
  find_program(CROSS_CXX_${processor} ${processor}-linux-gnu-g++)
  find_file(CROSS_MUSL_${processor} musl-gcc.specs PATHS /usr/lib/${processor}-linux-musl NO_DEFAULT_PATH)
  set(missing ${ARGN})
  if(NOT CROSS_CXX_${processor})
    list(APPEND missing g++-${processor}-linux-gnu)
  endif()
  if(NOT CROSS_MUSL_${processor})
    list(APPEND missing musl-dev:${debian})
  endif()
  if(missing)
    list(JOIN missing " " packages)
    # Indented, so that CMake prints it as one line.
    set(CROSS_MISSING " no ${processor} tools: install ${packages} (Debian)" PARENT_SCOPE)
    return()
  endif()

  set(tree ${CMAKE_BINARY_DIR}/${processor})
  # Setting the system's name makes it a cross build.
  execute_process(
    COMMAND ${CMAKE_COMMAND} -S ${PROJECT_SOURCE_DIR} -B ${tree} -G ${CMAKE_GENERATOR}
      -DCMAKE_SYSTEM_NAME=Linux -DCMAKE_SYSTEM_PROCESSOR=${processor}
      -DCMAKE_CXX_COMPILER=${CROSS_CXX_${processor}}
      -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE}
      -DCMAKE_COMPILE_WARNING_AS_ERROR=${CMAKE_COMPILE_WARNING_AS_ERROR}
      -DBUILD_TESTING=OFF -DCROSS= -DPACKAGES=OFF
    RESULT_VARIABLE failed OUTPUT_VARIABLE log ERROR_VARIABLE log)
  if(failed)
    message(FATAL_ERROR "configuring the ${processor} programs failed:\n${log}")
  endif()
  add_custom_target(programs-${processor} ALL
    COMMAND ${CMAKE_COMMAND} --build ${tree} --target all reason
    COMMAND ${CMAKE_COMMAND} --install ${tree} --prefix ${tree}/stage --strip
    COMMENT "Building the programs for ${processor}"
    USES_TERMINAL VERBATIM)
endfunction()
