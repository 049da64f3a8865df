# Runs GAME with INPUT on standard input and fails unless it exits with 0 and its
# standard output is byte for byte EXPECTED.
execute_process(
  COMMAND ${GAME}
  INPUT_FILE ${INPUT}
  OUTPUT_VARIABLE actual
  RESULT_VARIABLE status
  TIMEOUT 10)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the game exited with '${status}'")
endif()
file(READ ${EXPECTED} expected)
if(NOT actual STREQUAL expected)
  message(FATAL_ERROR "transcript differs; got:\n${actual}")
endif()
