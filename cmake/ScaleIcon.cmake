# Zubrik: zubrik_icon(), the icon of one size made from a drawing by zubrik_scale_icon.
# Copyright (c) 2026 the Zubrik developers. MIT licence.

set(ZUBRIK_ICON_DRAWINGS "${CMAKE_CURRENT_LIST_DIR}/../assets/pictures")

# zubrik_icon(<output> <drawn> <factor> [<size> <background>])
# assets/pictures/icon<drawn>.png enlarged <factor> times into <output>; with
# <size> and <background>, centred on an opaque square of that size and colour.
# The desktop build runs the scaler itself (under its emulator when cross
# built); the web build, whose programs are WebAssembly, runs it under Node.
function(zubrik_icon output drawn factor)
  set(source ${ZUBRIK_ICON_DRAWINGS}/icon${drawn}.png)
  set(run zubrik_scale_icon)
  if(EMSCRIPTEN)
    # emcmake's emulator is Node with a flag for threads this Node no longer knows.
    list(GET CMAKE_CROSSCOMPILING_EMULATOR 0 node)
    set(run ${node} $<TARGET_FILE:zubrik_scale_icon>)
  endif()
  get_filename_component(folder ${output} DIRECTORY)
  file(RELATIVE_PATH shown ${CMAKE_BINARY_DIR} ${output})
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
    COMMAND ${run} ${source} ${factor} ${output} ${ARGN}
    DEPENDS zubrik_scale_icon ${source}
    COMMENT "Icon ${shown} from icon${drawn}.png, x${factor}"
    VERBATIM)
endfunction()
