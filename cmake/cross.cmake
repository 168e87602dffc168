# The programs for another processor of the table (cmake/processors), built
# with its cross compiler and musl in a tree of their own inside this one.
# The same function makes them for the tests (CROSS) and for the release
# (PACKAGES), so what is tested is what ships.

# cross_tree(NAME): configures ${CMAKE_BINARY_DIR}/NAME, a tree of the
# programs alone for NAME, and adds the target programs-NAME, which builds
# them (and `reason`) and installs them stripped into NAME/stage. Where the
# tools are missing it configures nothing and sets CROSS_MISSING to a line
# that names them.
function(cross_tree name)
  processor(${name} triplet musl lib qemu)
  set(missing)
  find_program(CROSS_CXX_${name} ${PROCESSOR_TRIPLET}-g++)
  if(NOT CROSS_CXX_${name})
    list(APPEND missing ${PROCESSOR_TRIPLET}-g++)
  endif()
  find_program(CROSS_QEMU_${name} qemu-${PROCESSOR_QEMU}-static)
  if(NOT CROSS_QEMU_${name})
    list(APPEND missing qemu-${PROCESSOR_QEMU}-static)
  endif()
  set(musl ${CMAKE_BINARY_DIR}/${name}-musl)
  if(PROCESSOR_MUSL STREQUAL "source")
    set(specs ${musl}/lib/musl-gcc.specs)
    find_program(DPKG_SOURCE dpkg-source)
    execute_process(COMMAND apt-get source --print-uris musl RESULT_VARIABLE no_source OUTPUT_QUIET ERROR_QUIET)
    if(NOT DPKG_SOURCE OR no_source)
      list(APPEND missing "dpkg-source and deb-src lines for musl's source")
    endif()
  else()
    find_file(CROSS_MUSL_${name} musl-gcc.specs PATHS ${PROCESSOR_LIB} NO_DEFAULT_PATH)
    set(specs ${CROSS_MUSL_${name}})
    if(NOT specs)
      list(APPEND missing "musl in ${PROCESSOR_LIB}")
    endif()
  endif()
  if(missing)
    list(JOIN missing ", " missing)
    set(CROSS_MISSING " no ${missing} for ${name}: ./setup --cross installs them" PARENT_SCOPE)
    return()
  endif()
  set(CROSS_MISSING "" PARENT_SCOPE)
  set(CROSS_EMULATOR ${CROSS_QEMU_${name}} PARENT_SCOPE)

  # Every setting a user sees (each cache entry not marked advanced) goes
  # to the tree as this one has it, so that a new option reaches the
  # programs of every processor; then what makes it the tree of NAME's
  # programs alone.
  set(tree ${CMAKE_BINARY_DIR}/${name})
  get_cmake_property(entries CACHE_VARIABLES)
  set(settings)
  foreach(entry IN LISTS entries)
    get_property(type CACHE ${entry} PROPERTY TYPE)
    get_property(advanced CACHE ${entry} PROPERTY ADVANCED)
    if(NOT advanced AND NOT type MATCHES "^(INTERNAL|STATIC)$")
      string(APPEND settings "set(${entry} [==[$CACHE{${entry}}]==] CACHE ${type} \"\" FORCE)\n")
    endif()
  endforeach()
  file(WRITE ${tree}-settings.cmake "${settings}")
  execute_process(
    COMMAND ${CMAKE_COMMAND} -S ${PROJECT_SOURCE_DIR} -B ${tree} -G ${CMAKE_GENERATOR}
      -C ${tree}-settings.cmake -DCROSS= -DPACKAGES=OFF -DBUILD_TESTING=OFF -DFUZZ=OFF -UQEMU_PAGESIZE
      -DCMAKE_SYSTEM_NAME=Linux -DCMAKE_SYSTEM_PROCESSOR=${name}
      -DCMAKE_CXX_COMPILER=${CROSS_CXX_${name}} -DMUSL_SPECS=${specs}
    RESULT_VARIABLE failed OUTPUT_VARIABLE log ERROR_VARIABLE log)
  if(failed)
    message(FATAL_ERROR "configuring the ${name} programs failed:\n${log}")
  endif()
  add_custom_target(programs-${name} ALL
    COMMAND ${CMAKE_COMMAND} --build ${tree} --target all reason
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
