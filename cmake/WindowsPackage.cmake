# Zubrik: what a Windows player downloads: zubrik-<version>-windows-x64.zip
# beside zubrik.exe, holding the program and Readme.txt.
# Copyright (c) 2026 the Zubrik developers. MIT licence.
#
# Included by platform/win32/CMakeLists.txt once the target zubrik exists.
# Built by the ALL build; the same sources give the same bytes (WindowsZip.py).

find_program(ZUBRIK_PYTHON python3 REQUIRED)
set(ZUBRIK_WINDOWS_ZIP
  ${CMAKE_BINARY_DIR}/zubrik-${PROJECT_VERSION}-windows-x64.zip)
set(ZUBRIK_ZIP_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/WindowsZip.py)
add_custom_command(OUTPUT ${ZUBRIK_WINDOWS_ZIP}
  COMMAND ${ZUBRIK_PYTHON} ${ZUBRIK_ZIP_SCRIPT} ${ZUBRIK_WINDOWS_ZIP}
    $<TARGET_FILE:zubrik> ${CMAKE_SOURCE_DIR}/assets/Readme.txt
  DEPENDS zubrik ${CMAKE_SOURCE_DIR}/assets/Readme.txt ${ZUBRIK_ZIP_SCRIPT}
  COMMENT "Packing ${ZUBRIK_WINDOWS_ZIP}"
  VERBATIM)
add_custom_target(zubrik_windows_zip ALL DEPENDS ${ZUBRIK_WINDOWS_ZIP})
# Where the tests find it: $<TARGET_PROPERTY:zubrik_windows_zip,ZUBRIK_ZIP>.
set_target_properties(zubrik_windows_zip PROPERTIES ZUBRIK_ZIP ${ZUBRIK_WINDOWS_ZIP})
