# cross_tree(NAME): the programs for the processor NAME, built with its cross
# compiler and musl in the tree NAME inside this one, alike for the tests
# (CROSS) and the release (PACKAGES). The target programs-NAME builds them
# and `reason` (and musl first, where it comes from Debian's source) and
# installs them stripped into NAME/stage. Where a tool is missing, it sets
# CROSS_MISSING to a line that names it, and configures nothing.
function(cross_tree name)
  processor(${name} triplet musl lib qemu)
  set(missing)
  foreach(tool ${PROCESSOR_TRIPLET}-g++ qemu-${PROCESSOR_QEMU}-static)
    find_program(CROSS_${tool} ${tool})
    if(NOT CROSS_${tool})
      list(APPEND missing ${tool})
    endif()
  endforeach()
  find_file(CROSS_MUSL_${name} musl-gcc.specs PATHS ${PROCESSOR_LIB} NO_DEFAULT_PATH)
  set(specs ${CROSS_MUSL_${name}})
  if(PROCESSOR_MUSL STREQUAL "source")
    set(specs ${CMAKE_BINARY_DIR}/${name}-musl/lib/musl-gcc.specs)
    find_program(DPKG_SOURCE dpkg-source)
    execute_process(COMMAND apt-get source --print-uris musl RESULT_VARIABLE no_source OUTPUT_QUIET ERROR_QUIET)
    if(NOT DPKG_SOURCE OR no_source)
      list(APPEND missing "dpkg-source and deb-src lines for musl's source")
    endif()
  elseif(NOT specs)
    list(APPEND missing "musl in ${PROCESSOR_LIB}")
  endif()
  set(CROSS_MISSING "" PARENT_SCOPE)
  if(missing)
    list(JOIN missing ", " missing)
    set(CROSS_MISSING " no ${missing} for ${name}: ./setup --cross installs them" PARENT_SCOPE)
    return()
  endif()
  set(CROSS_EMULATOR ${CROSS_qemu-${PROCESSOR_QEMU}-static} PARENT_SCOPE)

  # Every setting a user sees (each cache entry not marked advanced) goes to
  # the tree as this one has it, so that a new option reaches every processor.
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
  execute_process(COMMAND ${CMAKE_COMMAND} -S ${PROJECT_SOURCE_DIR} -B ${tree} -G ${CMAKE_GENERATOR}
      -C ${tree}-settings.cmake -DCROSS= -DPACKAGES=OFF -DBUILD_TESTING=OFF -DFUZZ=OFF -UQEMU_PAGESIZE
      -DCMAKE_SYSTEM_NAME=Linux -DCMAKE_SYSTEM_PROCESSOR=${name}
      -DCMAKE_CXX_COMPILER=${CROSS_${PROCESSOR_TRIPLET}-g++} -DMUSL_SPECS=${specs}
    RESULT_VARIABLE failed OUTPUT_VARIABLE log ERROR_VARIABLE log)
  if(failed)
    message(FATAL_ERROR "configuring the ${name} programs failed:\n${log}")
  endif()
  add_custom_target(programs-${name} ALL COMMAND ${CMAKE_COMMAND} --build ${tree} --target all reason
    COMMAND ${CMAKE_COMMAND} --install ${tree} --prefix ${tree}/stage --strip COMMENT "Building the programs for ${name}" VERBATIM)
  if(PROCESSOR_MUSL STREQUAL "source")
    add_custom_command(OUTPUT ${specs} COMMAND bash ${PROJECT_SOURCE_DIR}/cmake/musl ${CMAKE_BINARY_DIR}/${name}-musl ${PROCESSOR_TRIPLET}
      COMMENT "Building musl for ${name} from Debian's source package" USES_TERMINAL VERBATIM)
    add_custom_target(musl-${name} DEPENDS ${specs})
    add_dependencies(programs-${name} musl-${name})
  endif()
endfunction()
