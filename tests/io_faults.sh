#!/usr/bin/env bash
# Plays the real binary with its standard input or output broken in one of the ways a
# player can meet, and checks that it ends at once with the exit status and the one line on
# standard error that it should. The input is endless where the fault is in the output, so
# a game that does not notice the fault runs until the test's time limit.
# Usage: io_faults.sh CASE GAME... (the game's command: after its emulator, if it has one)
set -u
case_name=$1
game=("${@:2}")

endless() { yes 6 2>/dev/null; }

case $case_name in
  input-folder)
    status=1 line="tumblewood: cannot read standard input: Is a directory"
    run() { "${game[@]}" </; } ;;
  input-closed)
    status=1 line="tumblewood: cannot read standard input: Bad file descriptor"
    run() { "${game[@]}" <&-; } ;;
  output-full)
    status=1 line="tumblewood: cannot write standard output: No space left on device"
    run() { "${game[@]}" < <(endless) >/dev/full; } ;;
  output-full-short-game)
    status=1 line="tumblewood: cannot write standard output: No space left on device"
    run() { echo "Bruno 7 7 0" | "${game[@]}" >/dev/full; } ;;
  output-pipe-without-reader)
    # With SIGPIPE ignored, as some shells and services leave it, the write fails instead.
    status=1 line="tumblewood: cannot write standard output: Broken pipe"
    run() {
      trap '' PIPE
      "${game[@]}" < <(endless) | true
      return "${PIPESTATUS[0]}"
    } ;;
  error-closed-too)
    status=1 line=""
    run() { "${game[@]}" </ 2>&-; } ;;
  input-ends)
    status=0 line=""
    run() { "${game[@]}" </dev/null; } ;;
  *)
    echo "unknown case '$case_name'" >&2
    exit 2 ;;
esac

errors=$(mktemp)
trap 'rm -f "$errors"' EXIT
run >/dev/null 2>"$errors"
got=$?
if [ "$got" -ne "$status" ]; then
  echo "exit status $got, expected $status" >&2
  exit 1
fi
# A Windows program ends its line with CR LF.
said=$(tr -d '\r' <"$errors")
if [ "$said" != "$line" ]; then
  echo "standard error: '$said', expected '$line'" >&2
  exit 1
fi
