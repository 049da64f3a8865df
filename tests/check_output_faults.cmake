# Runs GAME (a command: the game, after its emulator if it has one) with its output going
# where writes fail: a full device, and a pipe whose reader leaves after the first byte. Each
# time the game must end with status 1 and say why in one line on standard error. WORK is a
# folder of the test's own.
set(answers "Bruno")
foreach(day RANGE 2000)
  string(APPEND answers " 6")
endforeach()
file(MAKE_DIRECTORY ${WORK})
set(input ${WORK}/answers)
file(WRITE ${input} "${answers} 0\n")

function(expect_fault where status error reason)
  set(wanted "tumblewood: cannot write standard output: ${reason}\n")
  if(NOT status EQUAL 1 OR NOT error STREQUAL wanted)
    message(FATAL_ERROR "output to ${where}: status '${status}', standard error:\n${error}")
  endif()
endfunction()

execute_process(COMMAND ${GAME}
  INPUT_FILE ${input} OUTPUT_FILE /dev/full ERROR_VARIABLE error RESULT_VARIABLE status
  TIMEOUT 20)
expect_fault("a full device" "${status}" "${error}" "No space left on device")

execute_process(COMMAND ${GAME} COMMAND head -c 1
  INPUT_FILE ${input} OUTPUT_QUIET ERROR_VARIABLE error RESULTS_VARIABLE statuses
  TIMEOUT 20)
list(GET statuses 0 status)
expect_fault("a pipe closed early" "${status}" "${error}" "Broken pipe")
