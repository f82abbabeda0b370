# Sourced by the desktop checks: a private X server with a window manager, isolated folders for
# KIRV, a few waiting and checking helpers, and screenshots. Everything started here is stopped
# on exit.
set -uo pipefail

KIRV=${KIRV:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/build/src/app/kirv}
WORK=$(mktemp -d /tmp/kirv-desktop-XXXXXX)
SHOTS=${SHOTS:-$WORK/shots}  # kept only when the caller names a folder
export XDG_CONFIG_HOME=$WORK/config XDG_DATA_HOME=$WORK/data XDG_RUNTIME_DIR=$WORK/runtime
mkdir -p "$XDG_CONFIG_HOME/KIRV" "$XDG_DATA_HOME/KIRV" "$XDG_RUNTIME_DIR" "$SHOTS"
chmod 700 "$XDG_RUNTIME_DIR"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM SESSION_MANAGER
PIDS=()
FAILURES=0

for tool in Xvfb openbox xdotool xprop xwininfo import; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing"; exit 77; }
done
[ -x "$KIRV" ] || { echo "SKIP: no program at $KIRV (set KIRV=)"; exit 77; }

cleanup() {
  local i pid alive
  for ((i = ${#PIDS[@]} - 1; i >= 0; i--)); do kill "${PIDS[i]}" 2>/dev/null; done
  # A process that ignores the request is killed after five seconds rather than waited for.
  for i in $(seq 50); do
    alive=0
    for pid in "${PIDS[@]}"; do kill -0 "$pid" 2>/dev/null && alive=1; done
    [ "$alive" = 1 ] || break
    sleep 0.1
  done
  kill -KILL "${PIDS[@]}" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$WORK"
}
trap cleanup EXIT

# A display number nobody uses, told by the server itself.
start_x() {
  local fifo=$WORK/displayfd
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 "${1:-1024x768x24}" -nolisten tcp 3>"$fifo" 2>/dev/null &
  PIDS+=($!)
  local number
  read -r -t 10 number <"$fifo" || { echo "FAIL: Xvfb did not start"; exit 1; }
  export DISPLAY=:$number
  openbox >/dev/null 2>&1 &
  PIDS+=($!)
  wait_for "the window manager" 5 bash -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'
}

start_kirv() {
  "$KIRV" "$@" >"$WORK/kirv.out" 2>&1 &
  KIRV_PID=$!
  PIDS+=($KIRV_PID)
}

# A first run, ended by SIGTERM once the splash is over, stores every setting in $INI.
store_first_settings() {
  start_kirv
  wait_for "KIRV" 10 visible KIRV
  sleep 1.5
  kill -TERM "$KIRV_PID"
  wait "$KIRV_PID"
  INI=$XDG_CONFIG_HOME/KIRV/KIRV.ini
}

# wait_for WHAT SECONDS COMMAND...: runs COMMAND every 0.1 s until it succeeds.
wait_for() {
  local what=$1 seconds=$2
  shift 2
  local deadline=$((SECONDS + seconds))
  until "$@"; do
    if ((SECONDS >= deadline)); then
      echo "  (waited ${seconds}s for $what)"
      return 1
    fi
    sleep 0.1
  done
}

check() {
  local name=$1
  shift
  if "$@"; then
    echo "PASS: $name"
  else
    echo "FAIL: $name"
    FAILURES=$((FAILURES + 1))
  fi
}

# The visible top-level window with this exact title.
window_named() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1; }
visible() { [ -n "$(window_named "$1")" ]; }
hidden() { [ -z "$(window_named "$1")" ]; }
# Activates a window and waits for it, but never for ever: a window that went away makes xdotool
# wait without end.
activate() { [ -n "$1" ] && timeout 5 xdotool windowactivate --sync "$@"; }

shot() {
  import -window root "$SHOTS/$1.png"
  echo "  screenshot $SHOTS/$1.png"
}

finish() {
  echo "$FAILURES failure(s)"
  [ "$FAILURES" -eq 0 ]
}
