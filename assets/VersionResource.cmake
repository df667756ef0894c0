# Zubrik: the Windows version resource, configured from the version record.
# Copyright (c) 2026 the Zubrik developers. MIT licence.

# Writes OUTPUT from assets/zubrik.rc.in: the version, names and icon. Windows
# names languages by number: the primary language in the low ten bits, the
# sublanguage above.
function(zubrik_configure_version_resource OUTPUT)
  if(ZUBRIK_LANGUAGE STREQUAL "ja")
    set(ZUBRIK_WIN32_LANGID 0411)
  else()
    message(FATAL_ERROR "No Windows language number for ${ZUBRIK_LANGUAGE}")
  endif()
  math(EXPR ZUBRIK_WIN32_PRIMARY_LANG "0x${ZUBRIK_WIN32_LANGID} & 0x3ff" OUTPUT_FORMAT HEXADECIMAL)
  math(EXPR ZUBRIK_WIN32_SUBLANG "0x${ZUBRIK_WIN32_LANGID} >> 10" OUTPUT_FORMAT HEXADECIMAL)
  # A version resource holds each part of the version in 16 bits.
  foreach(part MAJOR MINOR PATCH)
    if(PROJECT_VERSION_${part} GREATER 65535)
      message(FATAL_ERROR "Version part ${part} (${PROJECT_VERSION_${part}}) does not fit a version resource")
    endif()
  endforeach()
  set(ZUBRIK_ICO ${CMAKE_SOURCE_DIR}/assets/pictures/zubrik.ico)
  configure_file(${CMAKE_SOURCE_DIR}/assets/zubrik.rc.in ${OUTPUT} @ONLY)
endfunction()
