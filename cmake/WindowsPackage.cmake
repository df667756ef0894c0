# Zubrik: what a Windows player downloads: zubrik-<version>-windows-x64.zip
# beside zubrik.exe, holding the program and Readme.txt, and SHA256SUMS.
# Copyright (c) 2026 the Zubrik developers. MIT licence.
#
# Included by platform/win32/CMakeLists.txt once the target zubrik exists.
# Built by the ALL build; the same sources give the same bytes (WindowsZip.py).

find_program(ZUBRIK_PYTHON python3 REQUIRED)

# The publisher's certificate, if any (the Makefile passes its variables of
# the same names): zubrik.exe is signed as soon as it is linked, before it is
# packed. The settings are written to a file the link depends on, so that
# giving, changing or taking away a certificate links and signs again.
set(ZUBRIK_SIGN_PKCS12 "" CACHE FILEPATH "PKCS#12 file to sign zubrik.exe with")
set(ZUBRIK_SIGN_PASSWORD_FILE "" CACHE FILEPATH "File holding the PKCS#12 file's password")
set(ZUBRIK_SIGN_TIMESTAMP_URL "" CACHE STRING "RFC 3161 time-stamping address for the signature")
set(ZUBRIK_SIGN_SETTINGS ${CMAKE_BINARY_DIR}/signing-settings.txt)
file(CONFIGURE OUTPUT ${ZUBRIK_SIGN_SETTINGS} CONTENT
  "${ZUBRIK_SIGN_PKCS12}\n${ZUBRIK_SIGN_PASSWORD_FILE}\n${ZUBRIK_SIGN_TIMESTAMP_URL}\n")
set(ZUBRIK_SIGN_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/WindowsSign.py)
set_property(TARGET zubrik APPEND PROPERTY LINK_DEPENDS ${ZUBRIK_SIGN_SETTINGS} ${ZUBRIK_SIGN_SCRIPT})
add_custom_command(TARGET zubrik POST_BUILD
  COMMAND ${ZUBRIK_PYTHON} ${ZUBRIK_SIGN_SCRIPT} $<TARGET_FILE:zubrik>
    "${ZUBRIK_SIGN_PKCS12}" "${ZUBRIK_SIGN_PASSWORD_FILE}" "${ZUBRIK_SIGN_TIMESTAMP_URL}"
  VERBATIM)
set(ZUBRIK_WINDOWS_ZIP
  ${CMAKE_BINARY_DIR}/zubrik-${PROJECT_VERSION}-windows-x64.zip)
set(ZUBRIK_ZIP_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/WindowsZip.py)
add_custom_command(OUTPUT ${ZUBRIK_WINDOWS_ZIP} ${CMAKE_BINARY_DIR}/SHA256SUMS
  COMMAND ${ZUBRIK_PYTHON} ${ZUBRIK_ZIP_SCRIPT} ${ZUBRIK_WINDOWS_ZIP}
    $<TARGET_FILE:zubrik> ${CMAKE_SOURCE_DIR}/assets/Readme.txt
  DEPENDS zubrik ${CMAKE_SOURCE_DIR}/assets/Readme.txt ${ZUBRIK_ZIP_SCRIPT}
  COMMENT "Packing ${ZUBRIK_WINDOWS_ZIP}"
  VERBATIM)
add_custom_target(zubrik_windows_zip ALL DEPENDS ${ZUBRIK_WINDOWS_ZIP})
# Where the tests find it: $<TARGET_PROPERTY:zubrik_windows_zip,ZUBRIK_ZIP>.
set_target_properties(zubrik_windows_zip PROPERTIES ZUBRIK_ZIP ${ZUBRIK_WINDOWS_ZIP})
