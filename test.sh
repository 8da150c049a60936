#!/usr/bin/env bash
# The one test command: installs what is missing, builds all three presets,
# runs every test layer, and ends with "N passed, N failed" over all of them.
set -uo pipefail
cd "$(dirname "$0")"
ROOT=$(pwd)
FUZZ_SECONDS=${FUZZ_SECONDS:-20}
RESULTS=$ROOT/build/results
mkdir -p "$RESULTS"
rm -f "$RESULTS"/*.xml "$RESULTS"/*.fuzz

step() { printf '\n=== %s ===\n' "$*"; }

# However the run ends (failure, Ctrl-C), no Xvfb and no Wine process of this
# checkout's prefix stays behind.
source tools/xvfb.sh
cleanup() {
  xvfb_stop
  if [ -f tools/wine/env.sh ]; then
    (source tools/wine/env.sh; wineserver -k >/dev/null 2>&1) || true
  fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

step "packages"
tools/install-packages.sh || { echo "package installation failed"; exit 1; }

step "build"
for preset in win32 win64 native; do
  if [ ! -f "build/$preset/CMakeCache.txt" ]; then
    cmake --preset "$preset" >"build/configure-$preset.log" 2>&1 || { cat "build/configure-$preset.log"; echo "configure $preset failed"; exit 1; }
  fi
  echo "building $preset"
  cmake --build "build/$preset" -j2 >"build/build-$preset.log" 2>&1 || { tail -60 "build/build-$preset.log"; echo "build $preset failed"; exit 1; }
done
tools/wine/pe-machine.sh build/win32/bin/Dezozi2.exe | grep -qx i386 || { echo "build/win32/bin/Dezozi2.exe is not a 32-bit program"; exit 1; }

step "native tests (ASan/UBSan)"
(cd build/native && ./bin/native_tests --gtest_brief=1 --gtest_output=xml:"$RESULTS/native_tests.xml")

step "demo generator tests"
# Debian's Python: the generator draws with its Pillow.
/usr/bin/python3 demo/tests/run.py "$RESULTS/demo_tests.xml" 2>&1 | tail -4

step "fuzzing (${FUZZ_SECONDS}s per target)"
for fuzzer in build/native/bin/*_fuzz; do
  [ -x "$fuzzer" ] || continue
  name=$(basename "$fuzzer")
  corpus=build/native/corpus/$name
  mkdir -p "$corpus"
  seeds=tests/native/fuzz/corpus/${name%_fuzz}
  [ -d "$seeds" ] && cp -n "$seeds"/* "$corpus"/ 2>/dev/null
  if "$fuzzer" -max_total_time="$FUZZ_SECONDS" -artifact_prefix=build/native/ "$corpus" >"build/native/$name.log" 2>&1; then
    echo "$name: ok ($(grep -o 'Done [0-9]* runs' "build/native/$name.log"))"
    echo pass >"$RESULTS/$name.fuzz"
  else
    tail -30 "build/native/$name.log"
    echo "$name: FAILED"
    echo fail >"$RESULTS/$name.fuzz"
  fi
done

step "Wine prefix"
tools/wine/prefix.sh || { echo "Wine prefix could not be created"; exit 1; }

# Unit tests create real windows too, so the display is up for both layers.
have_display=0
xvfb_start && have_display=1
# Translucent windows blend only with a compositor; the pop-up screenshots
# under build/shots/ need it.
[ "$have_display" = 1 ] && { xcompmgr_start || echo "no compositor: translucent windows show solid"; }

step "unit tests under Wine"
ctest --test-dir build/win64 -L unit --output-on-failure

step "end-to-end tests under Wine and Xvfb"
if [ "$have_display" = 1 ]; then
  ctest --test-dir build/win64 -L e2e --output-on-failure
else
  echo "no X display for the end-to-end tests"
fi
xvfb_stop

if [ "${RUN_BENCH:-0}" = 1 ]; then
  step "benchmark (figures only, not judged)"
  tools/wine/run.sh build/win64/bin/probe_bench.exe </dev/null || true
fi
(source tools/wine/env.sh; wineserver -k >/dev/null 2>&1) || true

step "summary"
python3 tools/test/summary.py "$RESULTS"
