# The table of processors, cmake/processors, for CMake: ALL_PROCESSORS lists
# their names, and processor(NAME COLUMN...) sets PROCESSOR_<COLUMN> (upper
# case) to each COLUMN of NAME's row, a list where the table has commas,
# empty for -. An unknown processor or column stops configuring.
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/processors PROCESSOR_ROWS REGEX "^[^#]")
list(POP_FRONT PROCESSOR_ROWS header)
string(REGEX REPLACE "[ \t]+" ";" PROCESSOR_COLUMNS "${header}")
list(TRANSFORM PROCESSOR_ROWS REPLACE "[ \t].*" "" OUTPUT_VARIABLE ALL_PROCESSORS)

function(processor name)
  list(FIND ALL_PROCESSORS "${name}" at)
  list(JOIN ALL_PROCESSORS ", " names)
  if(at LESS 0)
    message(FATAL_ERROR " no processor \"${name}\" in cmake/processors: CROSS is one of ${names}")
  endif()
  list(GET PROCESSOR_ROWS ${at} row)
  string(REGEX REPLACE "[ \t]+" ";" values "${row}")
  foreach(column IN LISTS ARGN)
    list(FIND PROCESSOR_COLUMNS ${column} i)
    if(i LESS 0)
      message(FATAL_ERROR " no column \"${column}\" in cmake/processors: it has ${PROCESSOR_COLUMNS}")
    endif()
    list(GET values ${i} value)
    string(REPLACE "," ";" value "${value}")
    list(REMOVE_ITEM value -)
    string(TOUPPER ${column} upper)
    set(PROCESSOR_${upper} "${value}" PARENT_SCOPE)
  endforeach()
endfunction()
