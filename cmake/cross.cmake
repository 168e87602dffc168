# Trees that build the programs for another 64-bit processor of the table
# (cmake/processors), with Debian's cross compiler and musl for that
# processor, next to this machine's tree.

# cross_tree(PROCESSOR [PACKAGE...]): configures ${CMAKE_BINARY_DIR}/PROCESSOR, a tree of
# the programs alone for PROCESSOR, and adds the target programs-PROCESSOR,
# which builds them (and `reason`) and installs them stripped into
# PROCESSOR/stage. Where musl comes from Debian's source package, the target
# builds it first, once, into PROCESSOR-musl. Where the tools are missing it
# configures nothing and sets CROSS_MISSING to a line that names the Debian
# packages, those given (found missing by the caller) first.
function(cross_tree name)
  set(CROSS_MISSING "" PARENT_SCOPE)
  processor(${name})
  if(NOT PROCESSOR_FOUND)
    message(FATAL_ERROR "${name} is not in cmake/processors (${ALL_PROCESSORS})")
  endif()
  set(missing ${ARGN})
  find_program(CROSS_CXX_${name} ${PROCESSOR_TRIPLET}-g++)
  if(NOT CROSS_CXX_${name})
    string(REPLACE _ - package g++-${PROCESSOR_TRIPLET})
    list(APPEND missing ${package})
  endif()
  set(musl ${CMAKE_BINARY_DIR}/${name}-musl)
  set(sources "")
  if(PROCESSOR_MUSL STREQUAL "source")
    set(specs ${musl}/lib/musl-gcc.specs)
    find_program(DPKG_SOURCE dpkg-source)
    if(NOT DPKG_SOURCE)
      list(APPEND missing dpkg-dev)
    endif()
    execute_process(COMMAND apt-get source --print-uris musl
      RESULT_VARIABLE no_source OUTPUT_QUIET ERROR_QUIET)
    if(no_source)
      set(sources ", and add deb-src to APT's sources")
    endif()
  else()
    find_file(CROSS_MUSL_${name} musl-gcc.specs PATHS ${PROCESSOR_MUSL_DIR} NO_DEFAULT_PATH)
    set(specs ${CROSS_MUSL_${name}})
    if(NOT specs)
      list(APPEND missing musl-dev:${PROCESSOR_DEBIAN})
    endif()
  endif()
  if(missing OR sources)
    list(JOIN missing " " packages)
    # Indented, so that CMake prints it as one line.
    set(CROSS_MISSING " no ${name} tools: install ${packages} (Debian)${sources}; ./setup --cross does" PARENT_SCOPE)
    return()
  endif()

  set(tree ${CMAKE_BINARY_DIR}/${name})
  # Setting the system's name makes it a cross build.
  execute_process(
    COMMAND ${CMAKE_COMMAND} -S ${PROJECT_SOURCE_DIR} -B ${tree} -G ${CMAKE_GENERATOR}
      -DCMAKE_SYSTEM_NAME=Linux -DCMAKE_SYSTEM_PROCESSOR=${name}
      -DCMAKE_CXX_COMPILER=${CROSS_CXX_${name}}
      -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE}
      -DCMAKE_COMPILE_WARNING_AS_ERROR=${CMAKE_COMPILE_WARNING_AS_ERROR}
      -DMUSL_SPECS=${specs} -DHARDEN=${HARDEN} -DRELRO=${RELRO}
      -DBUILD_TESTING=OFF -DCROSS= -DPACKAGES=OFF
    RESULT_VARIABLE failed OUTPUT_VARIABLE log ERROR_VARIABLE log)
  if(failed)
    message(FATAL_ERROR "configuring the ${name} programs failed:\n${log}")
  endif()
  # The tree is built by a make of its own, which must not take the outer
  # make's job server for one it was handed (make would warn, and run one
  # job anyway).
  add_custom_target(programs-${name} ALL
    COMMAND ${CMAKE_COMMAND} -E env --unset=MAKEFLAGS ${CMAKE_COMMAND} --build ${tree} --target all reason
    COMMAND ${CMAKE_COMMAND} --install ${tree} --prefix ${tree}/stage --strip
    COMMENT "Building the programs for ${name}"
    USES_TERMINAL VERBATIM)
  if(PROCESSOR_MUSL STREQUAL "source")
    add_custom_command(OUTPUT ${specs}
      COMMAND bash ${PROJECT_SOURCE_DIR}/cmake/musl ${musl} ${PROCESSOR_TRIPLET}
      COMMENT "Building musl for ${name} from Debian's source package"
      USES_TERMINAL VERBATIM)
    add_custom_target(musl-${name} DEPENDS ${specs})
    add_dependencies(programs-${name} musl-${name})
  endif()
endfunction()
