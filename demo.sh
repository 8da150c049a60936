#!/usr/bin/env bash
# Builds the test build, generates the demo disc into build/demo-disc and runs
# the program on it: in a window when DISPLAY is set, otherwise under a private
# Xvfb, where it waits for the main window, saves build/demo-shot.png and closes
# the program again. Arguments are passed on to Dezozi2.exe (e.g. -o 02).
set -uo pipefail
cd "$(dirname "$0")"
ROOT=$(pwd)
DISC=$ROOT/build/demo-disc
SHOT=$ROOT/build/demo-shot.png
WINDOW_TIMEOUT=${WINDOW_TIMEOUT:-60}

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
tools/wine/prefix.sh || die "the Wine prefix could not be created"
source tools/wine/env.sh

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
sleep 2 # its first paint and the start-up animation
rm -f "$SHOT"
if ! probe shot --out "$(winepath -w "$SHOT" 2>/dev/null)" >/dev/null || [ ! -s "$SHOT" ]; then
  # The screen copy through Wine failed: take it from the X server instead.
  import -display "$DISPLAY" -window root "$SHOT" || die "no screenshot could be taken"
fi
say "screenshot: $SHOT"

probe close --class Dezozi2 --timeout 10000 >/dev/null || say "the main window did not close on request"
for _ in $(seq 1 150); do
  kill -0 "$PROGRAM_PID" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$PROGRAM_PID" 2>/dev/null; then
  say "the program did not end; stopping it"
else
  wait "$PROGRAM_PID"; say "the program ended with exit code $?"
  PROGRAM_PID=
fi
log=$(log_file)
if [ -n "$log" ]; then say "log: $log"; else say "log: none written (Logs folder: $WINEPREFIX/drive_c/windows/logs)"; fi
