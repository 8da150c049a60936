# Sourced: xvfb_start [WxHxD] gives this shell a private X display (1280x1024x24
# unless told), xvfb_stop ends it.
xvfb_start() {
  local n i screen=${1:-1280x1024x24}
  for n in $(seq 90 130); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 "$screen" -noreset -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    for i in $(seq 1 50); do
      # Another shell may have taken the same number a moment earlier: then ours is gone.
      kill -0 "$XVFB_PID" 2>/dev/null || break
      if [ -e "/tmp/.X11-unix/X$n" ]; then
        export DISPLAY=":$n"
        # Layered windows blend (shadows, masks) only with a compositor.
        xcompmgr_start || true
        return 0
      fi
      sleep 0.1
    done
    xvfb_stop
  done
  echo "Xvfb did not start" >&2
  return 1
}
# A compositor on this shell's display, so that translucent and per-pixel-alpha
# windows blend as on Windows (without one they show solid). Ends with xvfb_stop.
xcompmgr_start() {
  [ -n "${DISPLAY:-}" ] && command -v xcompmgr >/dev/null || return 1
  [ -n "${XCOMPMGR_PID:-}" ] && return 0
  xcompmgr -d "$DISPLAY" >/dev/null 2>&1 &
  XCOMPMGR_PID=$!
  sleep 0.3
  kill -0 "$XCOMPMGR_PID" 2>/dev/null || { unset XCOMPMGR_PID; return 1; }
}
xvfb_stop() {
  if [ -n "${XCOMPMGR_PID:-}" ]; then
    kill "$XCOMPMGR_PID" 2>/dev/null
    wait "$XCOMPMGR_PID" 2>/dev/null
    unset XCOMPMGR_PID
  fi
  [ -n "${XVFB_PID:-}" ] || return 0
  kill "$XVFB_PID" 2>/dev/null
  wait "$XVFB_PID" 2>/dev/null
  unset XVFB_PID
}
