# Fails unless GAME imports DLLs that every Windows has and nothing else: a MinGW runtime
# DLL (libstdc++, libgcc, winpthread) would keep the game from starting on a player's machine.
execute_process(COMMAND ${OBJDUMP} -p ${GAME}
  OUTPUT_VARIABLE headers RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} failed with '${status}'")
endif()
string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${headers}")
if(NOT imports)
  message(FATAL_ERROR "no imported DLL found in the headers of ${GAME}")
endif()
foreach(import IN LISTS imports)
  string(REPLACE "DLL Name: " "" dll "${import}")
  string(TOLOWER "${dll}" dll)
  if(NOT dll MATCHES "^(kernel32|msvcrt|user32|advapi32|ntdll)\\.dll$")
    message(FATAL_ERROR "${GAME} imports ${dll}, which Windows does not come with")
  endif()
endforeach()
