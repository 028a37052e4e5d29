# Runs "tolvo-host editor --screenshot" headless and checks that a PNG of the
# editor's size holding a drawn picture came out.
# Variables: HOST (the program), WRAPPER (list run before it: a virtual
# display on Linux, the emulator for the Windows build), OUTPUT (file name,
# relative to the working directory).
file(REMOVE ${OUTPUT})
execute_process(
  COMMAND ${WRAPPER} ${HOST} editor --seconds 1 --screenshot ${OUTPUT}
  RESULT_VARIABLE result
  OUTPUT_VARIABLE output
  ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "tolvo-host editor failed (${result}):\n${output}\n${errors}")
endif()
if(NOT EXISTS ${OUTPUT})
  message(FATAL_ERROR "no screenshot written:\n${output}\n${errors}")
endif()

file(READ ${OUTPUT} header LIMIT 24 HEX)
string(SUBSTRING "${header}" 0 16 signature)
string(SUBSTRING "${header}" 32 8 width)
string(SUBSTRING "${header}" 40 8 height)
math(EXPR width "0x${width}")
math(EXPR height "0x${height}")
if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT width EQUAL 265 OR NOT height EQUAL 534)
  message(FATAL_ERROR "not a 265 x 534 PNG: signature ${signature}, ${width} x ${height}")
endif()
# An empty window compresses to a few hundred bytes; the drawn panel does not.
file(SIZE ${OUTPUT} size)
if(size LESS 20000)
  message(FATAL_ERROR "the screenshot looks empty (${size} bytes)")
endif()
