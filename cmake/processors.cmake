# The table of processors, cmake/processors: ALL_PROCESSORS lists their
# CMake names, and processor(NAME) sets, for NAME's row, PROCESSOR_DEBIAN,
# PROCESSOR_TRIPLET, PROCESSOR_QEMU, PROCESSOR_MUSL, PROCESSOR_ELF,
# PROCESSOR_FLAGS (a list) and PROCESSOR_MUSL_DIR, where
# Debian puts its musl (- where it is built here); PROCESSOR_FOUND is false for a
# processor not in the table.
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/processors PROCESSOR_ROWS REGEX "^[^#]")
set(ALL_PROCESSORS)
foreach(row IN LISTS PROCESSOR_ROWS)
  string(REGEX MATCH "^[^ \t]+" name "${row}")
  list(APPEND ALL_PROCESSORS ${name})
endforeach()

function(processor name)
  set(PROCESSOR_FOUND FALSE PARENT_SCOPE)
  foreach(row IN LISTS PROCESSOR_ROWS)
    string(REGEX REPLACE "[ \t]+" ";" fields "${row}")
    list(POP_FRONT fields cmake debian triplet qemu musl musl_dir elf)
    if(cmake STREQUAL name)
      list(REMOVE_ITEM fields -)
      foreach(field DEBIAN TRIPLET QEMU MUSL ELF)
        string(TOLOWER ${field} lower)
        set(PROCESSOR_${field} ${${lower}} PARENT_SCOPE)
      endforeach()
      set(PROCESSOR_FLAGS ${fields} PARENT_SCOPE)
      set(PROCESSOR_MUSL_DIR ${musl_dir} PARENT_SCOPE)
      set(PROCESSOR_FOUND TRUE PARENT_SCOPE)
      return()
    endif()
  endforeach()
endfunction()
