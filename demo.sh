#!/usr/bin/env bash
# Builds the test build, generates the demo disc into build/demo-disc and runs
# the program on it. With DISPLAY set: in a window, for a person to use.
# Without: under a private Xvfb (with a compositor), unattended — by default
# "-i 00 -recovery -check", which installs every ticked Driver item and ends by
# itself; it saves build/demo-shot.png (the window) and
# build/shots/demo_installing.png (the installing view), then prints what the
# stand-in setups installed and the result file. Arguments replace the
# default ones (e.g. -o 02: the window is shot and closed again).
set -uo pipefail
cd "$(dirname "$0")"
ROOT=$(pwd)
DISC=$ROOT/build/demo-disc
SHOT=$ROOT/build/demo-shot.png
WINDOW_TIMEOUT=${WINDOW_TIMEOUT:-60}
RUN_TIMEOUT=${RUN_TIMEOUT:-1200}

say() { printf 'demo: %s\n' "$*"; }
die() { say "$*" >&2; exit 1; }

tools/install-packages.sh >/dev/null || die "package installation failed"
if [ ! -f build/win64/CMakeCache.txt ]; then
  cmake --preset win64 >build/configure-win64.log 2>&1 || { cat build/configure-win64.log; die "configure failed"; }
fi
say "building (win64)"
cmake --build build/win64 -j2 >build/build-win64.log 2>&1 || { tail -40 build/build-win64.log; die "build failed"; }
# Debian's own Python has the Pillow that draws the skins (python3-pil).
PYTHON=/usr/bin/python3
[ -x "$PYTHON" ] || PYTHON=python3
"$PYTHON" demo/generate.py build/win64/bin "$DISC" || die "the demo disc could not be generated"
# A prefix of its own: what the demo installs must not change what the tests
# find installed in theirs.
export WINEPREFIX=${DEMO_WINEPREFIX:-$ROOT/build/demo-wineprefix}
tools/wine/prefix.sh || die "the Wine prefix could not be created"
source tools/wine/env.sh

# Debian's Wine has no winepath on PATH: the builtin program does the same.
winepath() { wine64 winepath "$@" 2>/dev/null | tr -d '\r'; }
PROBE=$ROOT/build/win64/bin/uiprobe.exe
probe() { wine64 "$PROBE" "$@" 2>/dev/null | tr -d '\r'; }
log_file() { find "$WINEPREFIX/drive_c/windows" -maxdepth 2 -ipath '*/logs/ov_diz.log' 2>/dev/null | head -1; }

if [ -n "${DISPLAY:-}" ]; then
  say "running $DISC/Dezozi2.exe $*"
  (cd "$DISC" && "$ROOT/tools/wine/run.sh" "$DISC/Dezozi2.exe" "$@")
  code=$?
  say "the program ended with exit code $code"
  log=$(log_file); [ -n "$log" ] && say "log: $log"
  exit 0
fi

# Headless: everything started here is stopped again, however the run ends.
[ $# -eq 0 ] && set -- -i 00 -recovery -check
unattended=0
case " $* " in *" -recovery "*|*" /recovery "*) unattended=1 ;; esac
source tools/xvfb.sh
PROGRAM_PID=
cleanup() {
  if [ -n "$PROGRAM_PID" ] && kill -0 "$PROGRAM_PID" 2>/dev/null; then
    kill "$PROGRAM_PID" 2>/dev/null
    wineserver -k >/dev/null 2>&1
  fi
  xvfb_stop
}
trap cleanup EXIT
trap 'exit 130' INT TERM
xvfb_start || die "Xvfb did not start"
windows=$(winepath -u 'C:\windows' 2>/dev/null)
setup_log=$ROOT/build/demo-setups.log
rm -f "$setup_log" "$windows/Pavex_result.log" "$windows/Ov_Error.tag" "$windows/Pavex_result.json"
export OVRASETUP_LOG=$(winepath -w "$setup_log" 2>/dev/null)
export DEZOZI2_NO_RESTART=1
if [ "$unattended" = 1 ]; then
  # A second demo would find everything installed by the first and end at
  # once: the Driver items' stand-ins take back what they installed.
  say "removing what an earlier demo installed"
  for setup in "$DISC"/Drivers/*/OvraSetup.exe; do
    (cd "$(dirname "$setup")" && wine64 "$setup" -su </dev/null >/dev/null 2>&1)
  done
  rm -f "$setup_log"
fi
say "headless on $DISPLAY: running $DISC/Dezozi2.exe $*"
(cd "$DISC" && exec "$ROOT/tools/wine/run.sh" "$DISC/Dezozi2.exe" "$@") >"$ROOT/build/demo-run.log" 2>&1 &
PROGRAM_PID=$!

deadline=$((SECONDS + WINDOW_TIMEOUT))
window=
while [ $SECONDS -lt $deadline ]; do
  if ! kill -0 "$PROGRAM_PID" 2>/dev/null; then
    wait "$PROGRAM_PID"; code=$?
    die "the program ended (exit code $code) before its main window appeared; see build/demo-run.log"
  fi
  window=$(probe wait --class Dezozi2 --visible --timeout 2000) && break
  window=
done
[ -n "$window" ] || die "no main window (class Dezozi2) within ${WINDOW_TIMEOUT}s"
say "main window: $window"
shoot() {
  rm -f "$1"
  if ! probe shot --out "$(winepath -w "$1" 2>/dev/null)" >/dev/null || [ ! -s "$1" ]; then
    # The screen copy through Wine failed: take it from the X server instead.
    import -display "$DISPLAY" -window root "$1" || return 1
  fi
  say "screenshot: $1"
}
sleep 2 # its first paint and the start-up animation
shoot "$SHOT" || die "no screenshot could be taken"

if [ "$unattended" = 1 ]; then
  mkdir -p build/shots
  # The installing view: its dialog has the class of every dialog, so it is
  # found as the program's window of the view's size.
  pid=$(printf '%s\n' "$window" | grep -o 'pid=[0-9]*' | head -1 | cut -d= -f2)
  for _ in $(seq 1 600); do
    kill -0 "$PROGRAM_PID" 2>/dev/null || break
    if probe list --pid "$pid" --visible --timeout 100 2>/dev/null | grep -q 'w=1020 h=620'; then
      sleep 7 # the view's mask picture gives way after 3 s; the clock starts after 5 s
      shoot build/shots/demo_installing.png
      break
    fi
    sleep 0.5
  done
  say "waiting for the unattended run to end (at most ${RUN_TIMEOUT}s)"
  deadline=$((SECONDS + RUN_TIMEOUT))
  while kill -0 "$PROGRAM_PID" 2>/dev/null && [ $SECONDS -lt $deadline ]; do sleep 1; done
else
  probe close --class Dezozi2 --timeout 10000 >/dev/null || say "the main window did not close on request"
  for _ in $(seq 1 150); do
    kill -0 "$PROGRAM_PID" 2>/dev/null || break
    sleep 0.1
  done
fi
if kill -0 "$PROGRAM_PID" 2>/dev/null; then
  say "the program did not end; stopping it"
else
  wait "$PROGRAM_PID"; exit_code=$?
  say "the program ended with exit code $exit_code"
  PROGRAM_PID=
fi
if [ "$unattended" = 1 ]; then
  say "what the stand-in setups did ($setup_log):"
  [ -f "$setup_log" ] && sed 's/^/  /' "$setup_log" || say "  nothing"
  for f in Pavex_result.log Ov_Error.tag; do
    [ -f "$windows/$f" ] || continue
    say "$f:"
    # Unicode when it starts with the byte-order mark, the ANSI code page otherwise.
    if [ "$(head -c 2 "$windows/$f" | od -An -tx1 | tr -d ' ')" = fffe ]; then
      iconv -f UTF-16 -t UTF-8 "$windows/$f" | sed 's/^/  /'
    else
      iconv -f CP1252 -t UTF-8 "$windows/$f" | tr -d '\r' | sed 's/^/  /'
    fi
  done
fi
if [ "$unattended" = 1 ]; then
  result=$windows/Pavex_result.json
  if [ -f "$result" ]; then
    say "Pavex_result.json:"
    sed 's/^/  /' "$result"
    outcome=$(python3 -c 'import json,sys; print(json.load(open(sys.argv[1], encoding="utf-8"))["outcome"])' "$result" 2>/dev/null)
    say "outcome: ${outcome:-unreadable}, exit code ${exit_code:-none}"
  else
    say "outcome: no Pavex_result.json written, exit code ${exit_code:-none}"
  fi
fi
log=$(log_file)
if [ -n "$log" ]; then say "log: $log"; else say "log: none written (Logs folder: $WINEPREFIX/drive_c/windows/logs)"; fi
