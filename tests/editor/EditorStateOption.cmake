# "tolvo-host editor --state FILE": a state block saved by render opens the
# editor (and gives a screenshot); a file that is no state block is refused
# before any window opens, with the reason on stderr.
# Variables: HOST, WRAPPER (as for the screenshot test).
file(REMOVE state-tone.wav state-out.wav state-saved.bin state-opened.png state-refused.png)
file(WRITE state-broken.bin "not a state block")
execute_process(COMMAND ${WRAPPER} ${HOST} tone state-tone.wav --seconds 0.1 RESULT_VARIABLE result)
execute_process(
  COMMAND ${WRAPPER} ${HOST} render state-tone.wav state-out.wav --mute --bypass --save-state state-saved.bin
  RESULT_VARIABLE result OUTPUT_QUIET)
file(SIZE state-saved.bin size)
if(NOT result EQUAL 0 OR NOT size EQUAL 56)
  message(FATAL_ERROR "render --save-state gave no 56-byte block (${result}, ${size} bytes)")
endif()

execute_process(
  COMMAND ${WRAPPER} ${HOST} editor --state state-saved.bin --seconds 1 --screenshot state-opened.png
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT result EQUAL 0 OR NOT EXISTS state-opened.png)
  message(FATAL_ERROR "a saved state did not open the editor (${result}):\n${output}\n${errors}")
endif()

execute_process(
  COMMAND ${WRAPPER} ${HOST} editor --state state-broken.bin --seconds 1 --screenshot state-refused.png
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(result EQUAL 0 OR EXISTS state-refused.png OR NOT errors MATCHES "refused the state")
  message(FATAL_ERROR "a broken state was not refused (${result}):\n${output}\n${errors}")
endif()
