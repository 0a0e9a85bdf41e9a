# Fails when any file of the core layer includes a Qt header: the core is standard C++ only.
file(GLOB_RECURSE core_files ${SOURCE_DIR}/src/core/*.h ${SOURCE_DIR}/src/core/*.cpp)
foreach(f ${core_files})
  file(STRINGS ${f} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q[A-Za-z]|qt)")
  if(lines)
    message(FATAL_ERROR "${f} includes Qt: ${lines}")
  endif()
endforeach()
