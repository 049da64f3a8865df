# Runs GAME (a command: the game, after its emulator if it has one) with INPUT on standard
# input and fails unless it exits with 0 and its standard output is byte for byte EXPECTED;
# with CRLF set, EXPECTED with every line ending in CR LF, as Windows programs write text.
# The output goes through a file and is compared by its hash: an output variable, and a file
# read as text, would lose its carriage returns.
get_filename_component(name ${EXPECTED} NAME_WE)
set(output ${CMAKE_CURRENT_BINARY_DIR}/${name}.actual)
execute_process(
  COMMAND ${GAME}
  INPUT_FILE ${INPUT}
  OUTPUT_FILE ${output}
  RESULT_VARIABLE status
  TIMEOUT 10)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the game exited with '${status}'")
endif()
file(READ ${EXPECTED} expected)
if(CRLF)
  string(REPLACE "\n" "\r\n" expected "${expected}")
endif()
string(SHA256 wanted "${expected}")
file(SHA256 ${output} got)
if(NOT got STREQUAL wanted)
  file(READ ${output} actual)
  message(FATAL_ERROR "transcript differs; got (in ${output}):\n${actual}")
endif()
