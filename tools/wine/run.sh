#!/usr/bin/env bash
# Runs a Windows program under Wine; the emulator of the test build.
# Only x86-64 programs: an i686 exe under wine64 "succeeds" with exit code 0.
set -uo pipefail
here=$(dirname "${BASH_SOURCE[0]}")
source "$here/env.sh"
exe=${1:?usage: run.sh PROGRAM.exe [ARGS...]}
if [ -f "$exe" ]; then
  machine=$("$here/pe-machine.sh" "$exe") || exit 126
  if [ "$machine" != "x86-64" ]; then
    echo "run.sh: refusing $exe: it is a $machine program; only x86-64 programs run here" >&2
    exit 126
  fi
fi
"$here/prefix.sh" || exit 125
# A persistent server, and Wine's services started detached from our pipes:
# otherwise they inherit CTest's output pipe and every test waits for them.
wineserver -p30 </dev/null >/dev/null 2>&1
wine64 cmd /c exit </dev/null >/dev/null 2>&1
exec wine64 "$@"
