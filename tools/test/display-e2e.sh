#!/usr/bin/env bash
# The display rules' end-to-end tests need screens of their own:
#  - an 800x600 X screen, which offers no other mode (the notice);
#  - an 800x600 Wine virtual desktop, which offers 1024x768 and really
#    switches (the switch and the resolution watch).
# A switch is stored in the prefix, so both run in a throwaway copy of the
# test prefix. Results go to build/results/e2e_display_*.xml.
set -uo pipefail
cd "$(dirname "$0")/../.."
ROOT=$(pwd)
source tools/wine/env.sh
source tools/xvfb.sh
tools/wine/prefix.sh || { echo "no Wine prefix"; exit 1; }

THROWAWAY=$ROOT/build/wineprefix-display
cleanup() {
  (export WINEPREFIX=$THROWAWAY; wineserver -k >/dev/null 2>&1; wineserver -w >/dev/null 2>&1) || true
  xvfb_stop
  rm -rf "$THROWAWAY" "$THROWAWAY.lock"
}
trap cleanup EXIT
rm -rf "$THROWAWAY"
cp -a "$WINEPREFIX" "$THROWAWAY" || { echo "could not copy the prefix"; exit 1; }
export WINEPREFIX=$THROWAWAY
mkdir -p build/results
BIN=$ROOT/build/win64/bin
status=0

# One phase: a private X screen of the given size, the suite, the server ended.
run_phase() {
  local screen=$1 filter=$2 result=$3
  xvfb_start "$screen" || { echo "Xvfb $screen did not start"; return 1; }
  if [ "$filter" = "VirtualDesktop.*" ]; then
    wine64 reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    wine64 reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 800x600 /f >/dev/null 2>&1
    wineserver -k; wineserver -w
  fi
  (cd "$BIN" && "$ROOT/tools/wine/run.sh" ./e2e_tests.exe --gtest_filter="$filter" \
      --gtest_output="xml:Z:$ROOT/build/results/$result.xml" </dev/null)
  local rc=$?
  wineserver -k >/dev/null 2>&1; wineserver -w
  xvfb_stop
  return $rc
}

run_phase 800x600x24 'SmallScreen.*' e2e_display_small || status=1
run_phase 1280x1024x24 'VirtualDesktop.*' e2e_display_desktop || status=1
exit $status
