# `libc`: what the programs build and link with. Against musl: its C headers
# alone (no C++ library header is found), and its libc.a and libgcc (for
# 128-bit division) alone at the link, so no code of the C++ library comes
# in. A glibc compiler is pointed at musl by the specs of Debian's musl-dev.
add_library(libc INTERFACE)
target_compile_options(libc INTERFACE -fno-exceptions -fno-rtti)
if(SYSTEM_LIBC)
  target_link_options(libc INTERFACE $<$<AND:$<BOOL:${STATIC}>,$<NOT:$<BOOL:${SANITIZE}>>>:-static>)
  return()
endif()
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "GNU" OR NOT STATIC)
  message(FATAL_ERROR " musl builds are static and need g++: configure -DSYSTEM_LIBC=ON otherwise")
endif()

# musl's specs start every program with Scrt1.o, which cannot relocate a
# static-pie program, and replace the link line -static-pie would set: so
# static-pie starts with rcrt1.o, beside it, and tells the linker itself.
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -dumpmachine OUTPUT_VARIABLE machine OUTPUT_STRIP_TRAILING_WHITESPACE)
set(specs "")
if(NOT machine MATCHES "-musl$")
  find_file(MUSL_SPECS musl-gcc.specs PATHS ${PROCESSOR_LIB} NO_DEFAULT_PATH)
  if(NOT MUSL_SPECS)
    message(FATAL_ERROR " no musl in ${PROCESSOR_LIB}: ./setup installs it, or configure -DSYSTEM_LIBC=ON")
  endif()
  set(specs -specs=${MUSL_SPECS})
  if(HARDEN)
    cmake_path(GET MUSL_SPECS PARENT_PATH lib)
    file(WRITE ${CMAKE_BINARY_DIR}/static-pie.specs
      "*startfile:\n%{!shared: ${lib}/rcrt1.o} ${lib}/crti.o crtbeginS.o%s\n\n")
    list(APPEND specs -specs=${CMAKE_BINARY_DIR}/static-pie.specs)
    set(pie -Wl,-static -Wl,-pie -Wl,--no-dynamic-linker -Wl,-z,text)
  endif()
endif()
target_compile_options(libc INTERFACE ${specs})
# The headers, code and constants in one segment: two fewer page faults a
# start, a twentieth of it (the constants are then executable too).
target_link_options(libc INTERFACE ${specs} -nodefaultlibs -Wl,-z,noseparate-code)
target_link_libraries(libc INTERFACE -Wl,--start-group -lc -lgcc -Wl,--end-group)

# Hardened as distributions harden their programs: static-pie, canaries,
# stack-clash probes, a stack that cannot be executed, the processor's own
# flags from the table, and RELRO, which musl's static start does not apply:
# `seal`, linked into every program, does so before main.
if(HARDEN)
  target_compile_options(libc INTERFACE -fPIE -fstack-protector-strong -fstack-clash-protection ${PROCESSOR_FLAGS})
  target_link_options(libc INTERFACE -static-pie ${pie} -Wl,-z,noexecstack)
else()
  target_link_options(libc INTERFACE -static)
endif()
if(HARDEN AND RELRO)
  target_link_options(libc INTERFACE -Wl,-z,relro -Wl,-z,now)
  add_library(seal OBJECT common/seal.cpp)
  target_include_directories(seal PRIVATE common)
  target_link_libraries(seal PRIVATE libc)
else()
  # Nothing would make the relocated data read-only: claim no RELRO.
  target_link_options(libc INTERFACE -Wl,-z,norelro)
endif()

# A GNU build-id and the package note crash reports read (`readelf -n`);
# -Xlinker, as -Wl, splits at commas.
set(note "{\"type\":\"generic\",\"name\":\"${PROJECT_NAME}\",\"version\":\"${PROJECT_VERSION}\",\"architecture\":\"${CMAKE_SYSTEM_PROCESSOR}\",\"commit\":\"${COMMIT}\"}")
target_link_options(libc INTERFACE -Wl,--build-id=sha1 -Xlinker --package-metadata=${note})
