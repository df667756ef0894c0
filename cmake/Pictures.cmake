# Zubrik: zubrik_embed_pictures(), which builds the pictures into a target.
# Copyright (c) 2026 the Zubrik developers. MIT licence.

# Remembered at include time: inside the function CMAKE_CURRENT_LIST_DIR names
# the caller's directory.
set(ZUBRIK_EMBED_PICTURES_SCRIPT "${CMAKE_CURRENT_LIST_DIR}/EmbedPictures.cmake")
get_filename_component(ZUBRIK_EMBED_PICTURES_ROOT "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)

# zubrik_embed_pictures(<target> [DECODED] <name>...)
# Adds to <target> a generated source holding assets/pictures/<name>.png for
# each name, as the table that platform/EmbeddedPictures.h declares. The table
# is plain constant data: a static library carries it with no initialiser to
# keep alive, and no file travels beside the program. DECODED writes the
# pictures decoded instead, as the web build carries them: the table comes
# from zubrik_index_pictures (tools/index_pictures), run under Node, which
# embeds the PNGs itself; the target links platform/IndexedPicture.cpp.
function(zubrik_embed_pictures target)
  cmake_parse_arguments(EMBED "DECODED" "" "" ${ARGN})
  set(names ${EMBED_UNPARSED_ARGUMENTS})
  if(NOT names)
    message(FATAL_ERROR "zubrik_embed_pictures(${target}) names no picture")
  endif()
  set(picture_dir "${ZUBRIK_EMBED_PICTURES_ROOT}/assets/pictures")
  set(pngs ${names})
  list(TRANSFORM pngs PREPEND "${picture_dir}/")
  list(TRANSFORM pngs APPEND ".png")
  set(folder "${CMAKE_CURRENT_BINARY_DIR}/generated/${target}")
  set(output "${folder}/EmbeddedPictures.cpp")
  if(EMBED_DECODED)
    # emcmake's emulator is Node with a flag for threads this Node no longer knows.
    list(GET CMAKE_CROSSCOMPILING_EMULATOR 0 node)
    add_custom_command(OUTPUT "${output}"
      COMMAND "${CMAKE_COMMAND}" -E make_directory "${folder}"
      COMMAND ${node} $<TARGET_FILE:zubrik_index_pictures> "${output}"
      DEPENDS zubrik_index_pictures ${pngs}
      COMMENT "Embedding the pictures in ${target}, decoded"
      VERBATIM)
  else()
    string(REPLACE ";" "," joined "${names}")
    add_custom_command(OUTPUT "${output}"
      COMMAND "${CMAKE_COMMAND}"
        "-DPICTURE_DIR=${picture_dir}"
        "-DPICTURE_NAMES=${joined}"
        "-DOUTPUT=${output}"
        -P "${ZUBRIK_EMBED_PICTURES_SCRIPT}"
      DEPENDS ${pngs} "${ZUBRIK_EMBED_PICTURES_SCRIPT}"
      COMMENT "Embedding the pictures in ${target}"
      VERBATIM)
  endif()
  target_sources(${target} PRIVATE "${output}"
    "${ZUBRIK_EMBED_PICTURES_ROOT}/platform/EmbeddedPictures.h")
  target_include_directories(${target} PRIVATE "${ZUBRIK_EMBED_PICTURES_ROOT}")
endfunction()
