# Runs a test program under wine with the prefix's screen resolution
# (HKCU\Control Panel\Desktop LogPixels, read by each new wine process) set to
# DPI, and puts the setting back as it was afterwards, whatever the result.
# The wine tests run one at a time, so no other program sees the change.
# Variables: WINE, PROGRAM, DPI.
set(desktop_key "HKCU\\Control Panel\\Desktop")
execute_process(COMMAND ${WINE} reg query ${desktop_key} /v LogPixels
  OUTPUT_VARIABLE listing ERROR_QUIET)
set(previous "")
if(listing MATCHES "REG_DWORD[ \t]+(0x[0-9a-fA-F]+)")
  math(EXPR previous "${CMAKE_MATCH_1}")
endif()

execute_process(COMMAND ${WINE} reg add ${desktop_key} /v LogPixels /t REG_DWORD /d ${DPI} /f
  RESULT_VARIABLE set_result OUTPUT_QUIET)
if(NOT set_result EQUAL 0)
  message(FATAL_ERROR "cannot set LogPixels to ${DPI} (${set_result})")
endif()
execute_process(COMMAND ${WINE} ${PROGRAM} --gtest_brief=1 RESULT_VARIABLE result)

if(previous STREQUAL "")
  execute_process(COMMAND ${WINE} reg delete ${desktop_key} /v LogPixels /f OUTPUT_QUIET)
else()
  execute_process(
    COMMAND ${WINE} reg add ${desktop_key} /v LogPixels /t REG_DWORD /d ${previous} /f
    OUTPUT_QUIET)
endif()
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} at ${DPI} dpi failed (${result})")
endif()
