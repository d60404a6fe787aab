# Sourced: start_xvfb starts a private X server on a free display number and
# exports DISPLAY; stop_xvfb stops it.
start_xvfb() {
  local n=90
  while [ -e "/tmp/.X${n}-lock" ] || [ -e "/tmp/.X11-unix/X${n}" ]; do n=$((n + 1)); done
  Xvfb ":${n}" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  VELUN_XVFB_PID=$!
  for _ in $(seq 100); do
    [ -e "/tmp/.X11-unix/X${n}" ] && break
    kill -0 "$VELUN_XVFB_PID" 2>/dev/null || { echo "Xvfb failed to start on :${n}" >&2; return 1; }
    sleep 0.1
  done
  export DISPLAY=":${n}"
}

stop_xvfb() {
  if [ -n "${VELUN_XVFB_PID:-}" ]; then
    kill "$VELUN_XVFB_PID" 2>/dev/null || true
    wait "$VELUN_XVFB_PID" 2>/dev/null || true
    VELUN_XVFB_PID=""
  fi
}

# A private X server and a fresh Wine server on it, for a whole run (source
# wine-env.sh first). A server left from an earlier run may belong to
# another display, so it goes. The prefix's services start once with their
# output elsewhere: they would hold the caller's pipes otherwise.
start_wine_session() {
  start_xvfb || return 1
  "$WINESERVER" -k >/dev/null 2>&1 || true
  "$WINESERVER" -w >/dev/null 2>&1 || true
  "$WINESERVER" -p >/dev/null 2>&1
  "$WINE" cmd /c exit >/dev/null 2>&1 </dev/null
}

stop_wine_session() {
  "$WINESERVER" -k >/dev/null 2>&1 || true
  stop_xvfb
}
