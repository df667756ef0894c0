# Zubrik: repaints the pictures and compares them with the committed ones.
# Copyright (c) 2026 the Zubrik developers. MIT licence.
# Run as: cmake -DPAINTER=... -DCOMMITTED=... -DSCRATCH=... -P ComparePictures.cmake

foreach(var PAINTER COMMITTED SCRATCH)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "${var} is not set")
  endif()
endforeach()

file(REMOVE_RECURSE "${SCRATCH}")
file(MAKE_DIRECTORY "${SCRATCH}")
execute_process(COMMAND "${PAINTER}" "${SCRATCH}" RESULT_VARIABLE painted)
if(NOT painted EQUAL 0)
  message(FATAL_ERROR "the painter failed: ${painted}")
endif()

# Both directions: a picture the painter no longer draws is drift too.
file(GLOB fresh RELATIVE "${SCRATCH}" "${SCRATCH}/*")
file(GLOB committed RELATIVE "${COMMITTED}" "${COMMITTED}/*.png" "${COMMITTED}/*.ico")
list(SORT fresh)
list(SORT committed)
if(NOT fresh STREQUAL committed)
  message(FATAL_ERROR "painted files (${fresh}) differ from committed files (${committed})")
endif()

set(drifted "")
foreach(name IN LISTS fresh)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files
                          "${SCRATCH}/${name}" "${COMMITTED}/${name}"
                  RESULT_VARIABLE differs)
  if(NOT differs EQUAL 0)
    list(APPEND drifted "${name}")
  endif()
endforeach()
if(drifted)
  message(FATAL_ERROR "committed pictures differ from the painter's: ${drifted}\n"
                      "Repaint them with: paint_pictures assets/pictures")
endif()
list(LENGTH fresh count)
message(STATUS "all ${count} pictures match")
