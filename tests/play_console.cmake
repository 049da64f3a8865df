# Plays GAME (a command: the game, after its emulator if it has one) at a real console: a
# tmux pane (TMUX_PROGRAM) is the terminal, and the screen checked is the one it shows.
# WORK is a folder of the test's own. ENDING says how the game is ended: "quit" answers 0,
# "ctrl-z" types Ctrl-Z then Enter. Either way the game must exit with status 0.
#
# Every prompt must be on screen before its answer is typed; after a menu answer the screen
# must be cleared with the action's text at the top, and after a feeding amount not. No
# escape text may show anywhere, and the raw output must not hold a terminal's clearing
# sequence: a console is cleared through its own interface. (Under wine the console writes
# its screen to the terminal with cursor moves and line erases of its own; those are fine.)
unset(ENV{TMUX})
set(socket ${WORK}/tmux.socket)
set(raw ${WORK}/raw.out)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

function(tmux)
  execute_process(COMMAND ${TMUX_PROGRAM} -S ${socket} -f /dev/null ${ARGN}
    OUTPUT_VARIABLE out RESULT_VARIABLE status ERROR_VARIABLE error)
  if(NOT status EQUAL 0)
    fail("tmux ${ARGN} failed with '${status}': ${error}")
  endif()
  set(tmux_output "${out}" PARENT_SCOPE)
endfunction()

function(fail message)
  execute_process(COMMAND ${TMUX_PROGRAM} -S ${socket} kill-server ERROR_QUIET)
  message(FATAL_ERROR "${message}")
endfunction()

function(type keys)
  tmux(send-keys -l "${keys}")
  tmux(send-keys Enter)
endfunction()

# The screen as it shows now (wrapped lines joined), into `screen`.
function(capture)
  tmux(capture-pane -p -J)
  set(screen "${tmux_output}" PARENT_SCOPE)
endfunction()

# Waits until the screen shows `text`, at the top of the screen with TOP. Leaves the screen
# in `screen`. The first start of wine makes its prefix, hence the longer first wait.
set(patience 60)
function(wait_for text)
  cmake_parse_arguments(PARSE_ARGV 1 wait "TOP" "" "")
  string(TIMESTAMP start %s)
  while(1)
    capture()
    string(FIND "${screen}" "${text}" at)
    if((wait_TOP AND at EQUAL 0) OR (NOT wait_TOP AND at GREATER -1))
      set(screen "${screen}" PARENT_SCOPE)
      return()
    endif()
    string(TIMESTAMP now %s)
    math(EXPR waited "${now} - ${start}")
    if(waited GREATER patience)
      fail("waited in vain for '${text}'; the screen shows:\n${screen}")
    endif()
    execute_process(COMMAND ${CMAKE_COMMAND} -E sleep 0.1)
  endwhile()
endfunction()

function(expect_absent text where)
  string(FIND "${${where}}" "${text}" at)
  if(at GREATER -1)
    fail("'${text}' in the ${where}:\n${${where}}")
  endif()
endfunction()

set(menu_end "0. Quit Tumblewood 2010.")
set(report_start "Your bear is out of shape")
set(berries_question "How many berries do you want to feed the bear? You have 10 berries.")

# The game runs under a shell that notes its exit status in a file: tmux was seen, now and
# then, to leave the ended game unreaped for long. The game's clearing only follows typed
# answers, so the raw capture, attached once the game is running, sees every clearing.
set(status_file ${WORK}/status)
tmux(new-session -d -x 132 -y 30
  sh -c "\"$@\"\necho $? >'${status_file}.new'\nmv '${status_file}.new' '${status_file}'" sh ${GAME})
tmux(set-option -g remain-on-exit on)
tmux(pipe-pane -o "cat >> '${raw}'")

wait_for("What's his name?")
set(patience 15)
if(ENDING STREQUAL "ctrl-z")
  # Wine leaves the terminal's signal keys on, so the terminal would take Ctrl-Z as its
  # suspend key before wine's console saw it. At a Windows console it is an ordinary key.
  tmux(display-message -p "#{pane_tty}")
  string(STRIP "${tmux_output}" terminal)
  execute_process(COMMAND stty susp undef INPUT_FILE ${terminal} RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    fail("stty failed on ${terminal}")
  endif()
endif()
type("Bruno")
wait_for("${menu_end}")

# A menu answer clears the screen: the examine report starts it, and the old text is gone.
type("6")
wait_for("${report_start}" TOP)
wait_for("${menu_end}")
expect_absent("What's his name?" screen)

# Answers typed ahead: feed 2 berries and 1 fish. The feeding question is at the top after
# the menu answer, and stays there after the amounts, which clear nothing.
type("1 2 1")
wait_for("It is day 2")
wait_for("${menu_end}")
string(FIND "${screen}" "${berries_question}" at)
if(NOT at EQUAL 0)
  fail("the feeding question is not at the top:\n${screen}")
endif()

if(ENDING STREQUAL "ctrl-z")
  tmux(send-keys C-z Enter)
else()
  type("0")
endif()
string(TIMESTAMP start %s)
while(NOT EXISTS ${status_file})
  string(TIMESTAMP now %s)
  math(EXPR waited "${now} - ${start}")
  if(waited GREATER 10)
    capture()
    fail("the game did not end; the screen shows:\n${screen}")
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E sleep 0.1)
endwhile()
file(STRINGS ${status_file} status)
if(NOT status STREQUAL "0")
  fail("the game ended with status '${status}'")
endif()

# No escape text on the screen or in what scrolled off it, and no clearing sequence sent.
tmux(capture-pane -p -J -S -)
set(screen_and_history "${tmux_output}")
string(ASCII 27 escape)
foreach(text "[H" "[2J" "[3J" "${escape}")
  expect_absent("${text}" screen_and_history)
endforeach()
file(READ ${raw} raw_output)
foreach(text "[2J" "[3J")
  expect_absent("${text}" raw_output)
endforeach()
execute_process(COMMAND ${TMUX_PROGRAM} -S ${socket} kill-server ERROR_QUIET)
