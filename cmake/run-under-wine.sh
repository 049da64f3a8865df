#!/bin/sh
# Runs a Windows program under wine in a prefix of its own, for the tests of a cross build.
# Usage: run-under-wine.sh PREFIX PROGRAM [ARGUMENT...]
set -eu
WINEPREFIX=$1
shift
# Quiet wine's own diagnostics, and spare a new prefix the offer to install .NET and a web
# engine. Debian keeps the 64-bit loader out of PATH.
WINEDEBUG=-all
WINEDLLOVERRIDES='mscoree,mshtml='
PATH=/usr/lib/wine:$PATH
export WINEPREFIX WINEDEBUG WINEDLLOVERRIDES PATH

wine=$(command -v wine64 || command -v wine) || {
  echo "run-under-wine.sh: wine is not installed" >&2
  exit 127
}
server=$(command -v wineserver64 || command -v wineserver) || {
  echo "run-under-wine.sh: wineserver is not installed" >&2
  exit 127
}

# Left to itself, wine starts its server and system services (and on first use makes the
# prefix) from the program run here, and they inherit its standard error. They stay a few
# seconds after the program ends, and whoever reads that standard error, CTest for one,
# waits for them. Started here with nothing of the caller's open, they hold up nobody; they
# end five seconds after the last program.
if "$server" -p5 </dev/null >/dev/null 2>&1; then
  "$wine" wineboot </dev/null >/dev/null 2>&1
fi
exec "$wine" "$@"
