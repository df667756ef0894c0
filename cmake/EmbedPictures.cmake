# Zubrik: the build step that writes the pictures' PNG bytes into a C++ source.
# Copyright (c) 2026 the Zubrik developers. MIT licence.
#
# Run as a script: cmake -DPICTURE_DIR=<dir> -DPICTURE_NAMES=<a,b,...> -DOUTPUT=<file.cpp>
#                        -P EmbedPictures.cmake
# The names come comma-separated because a custom command would split a CMake
# list into several arguments. The source depends on the bytes and the names
# alone (no dates, no paths), so every build writes the very same file.

cmake_minimum_required(VERSION 3.22)

foreach(variable PICTURE_DIR PICTURE_NAMES OUTPUT)
  if(NOT DEFINED ${variable} OR "${${variable}}" STREQUAL "")
    message(FATAL_ERROR "EmbedPictures.cmake needs -D${variable}=...")
  endif()
endforeach()

string(REPLACE "," ";" names "${PICTURE_NAMES}")

set(arrays "")
set(table "")
foreach(name IN LISTS names)
  if(NOT name MATCHES "^[A-Za-z_][A-Za-z0-9_]*$")
    message(FATAL_ERROR "A picture's name must do as a C++ identifier: \"${name}\"")
  endif()
  set(file "${PICTURE_DIR}/${name}.png")
  if(NOT EXISTS "${file}")
    message(FATAL_ERROR "No picture ${file}")
  endif()
  file(READ "${file}" hex HEX)
  string(LENGTH "${hex}" digits)
  if(digits EQUAL 0)
    message(FATAL_ERROR "${file} is empty")
  endif()
  math(EXPR size "${digits} / 2")
  # Sixteen bytes a line keeps the lines short. CMake's expressions know no
  # {n}, hence the spelled-out run of 32 digits.
  set(sixteen "")
  foreach(i RANGE 1 32)
    string(APPEND sixteen "[0-9a-f]")
  endforeach()
  string(REGEX REPLACE "(${sixteen})" "\\1\n" hex "${hex}")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REPLACE "\n" "\n    " bytes "${bytes}")
  string(REGEX REPLACE "\n    $" "" bytes "${bytes}")
  string(APPEND arrays
    "// ${name}.png, ${size} bytes\n"
    "const unsigned char ${name}Bytes[] = {\n    ${bytes}\n};\n\n")
  string(APPEND table "    { \"${name}\", ${name}Bytes, sizeof ${name}Bytes, 0, 0, nullptr, 0 },\n")
endforeach()

list(LENGTH names count)
set(source
"// Zubrik: the pictures' PNG bytes, written by cmake/EmbedPictures.cmake; edit the PNGs, not this.
// Copyright (c) 2026 the Zubrik developers. MIT licence.
#include \"platform/EmbeddedPictures.h\"

namespace {

${arrays}} // namespace

const EmbeddedPicture embeddedPictures[] = {
${table}};

const std::size_t embeddedPictureCount = ${count};
")

get_filename_component(directory "${OUTPUT}" DIRECTORY)
file(MAKE_DIRECTORY "${directory}")
file(WRITE "${OUTPUT}" "${source}")
