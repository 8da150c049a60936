# Sourced: xvfb_start gives this shell a private X display, xvfb_stop ends it.
xvfb_start() {
  local n
  for n in $(seq 90 130); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || break
  done
  Xvfb ":$n" -screen 0 1280x1024x24 -noreset -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  export DISPLAY=":$n"
  local i
  for i in $(seq 1 50); do
    [ -e "/tmp/.X11-unix/X$n" ] && return 0
    sleep 0.1
  done
  echo "Xvfb did not start on :$n" >&2
  return 1
}
xvfb_stop() {
  [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null
  wait "${XVFB_PID:-}" 2>/dev/null
  unset XVFB_PID
}
