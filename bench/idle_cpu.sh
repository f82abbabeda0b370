#!/usr/bin/env bash
# The desktop program's CPU at rest: utime + stime from /proc/<pid>/stat over a span, under
# Xvfb with openbox and trayer, in a network namespace of its own (the loopback alone, idle) and
# a throwaway home and data folder on a tmpfs. The meter refreshes every 1000 ms.
#   bench/idle_cpu.sh [PROGRAM] [shown|hidden] [SECONDS]   default build/src/app/kirv shown 120
# Prints the share of one core, in percent. With TRAFFIC=1 a datagram of a kilo-octet crosses
# the loopback every half second, so that the graph gets a new column at every tick.
set -euo pipefail

fail() {
  echo "idle_cpu: $*" >&2
  exit 1
}

cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

inside() {
  local program=$1 meter=$2 seconds=$3
  pids=()
  trap 'kill "${pids[@]}" 2>/dev/null; wait' EXIT
  ip link set lo up
  mount -t tmpfs tmpfs /home
  export HOME=/home/idle
  export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share
  export XDG_RUNTIME_DIR=$HOME/.run LC_ALL=C.UTF-8
  unset DBUS_SESSION_BUS_ADDRESS
  mkdir -p "$XDG_CONFIG_HOME/KIRV" "$XDG_DATA_HOME/KIRV"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  printf '[KIRV]\nlrec=00CC00\nfirstlaunch=false\nlo=true\nlo1=true\nlo2=false\n' \
    >"$XDG_CONFIG_HOME/KIRV/KIRV.ini"

  openbox >/dev/null 2>&1 &
  pids+=($!)
  trayer --edge top --align right --widthtype request --height 24 --SetDockType true \
    --transparent false >/dev/null 2>&1 &
  pids+=($!)
  if [ "${TRAFFIC:-0}" = 1 ]; then
    python3 -c 'import socket, time
s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
while True:
    s.sendto(bytes(1024), ("127.0.0.1", 9))
    time.sleep(0.5)' &
    pids+=($!)
  fi
  sleep 1
  (cd "$XDG_DATA_HOME/KIRV" && exec "$program") >"$HOME/kirv.log" 2>&1 &
  local kirv=$!
  pids+=($kirv)
  local tray
  tray=$(timeout 20 xdotool search --sync --onlyvisible --class '^trayer$' | head -1)
  sleep 4 # the splash is over
  if [ "$meter" = shown ]; then
    eval "$(xdotool getwindowgeometry --shell "$tray")"
    xdotool mousemove $((X + WIDTH - HEIGHT / 2)) $((Y + HEIGHT / 2)) click 1
    timeout 10 xdotool search --sync --onlyvisible --name '^Tachymetre$' >/dev/null ||
      fail "the meter did not show"
    xdotool mousemove 0 700 # away from the tray and the meter
  fi
  sleep 5 # start-up work done
  local before after hz
  hz=$(getconf CLK_TCK)
  before=$(cpu_ticks "$kirv")
  sleep "$seconds"
  after=$(cpu_ticks "$kirv")
  kill -0 "$kirv" || { cat "$HOME/kirv.log" >&2; fail "KIRV ended early"; }
  awk -v d=$((after - before)) -v hz="$hz" -v s="$seconds" -v m="$meter" \
    'BEGIN { printf "meter %s: %d ticks of 1/%d s in %d s: %.3f %% of a core\n", m, d, hz, s, 100 * d / hz / s }'
}

if [ "${1:-}" = --inside ]; then
  inside "$2" "$3" "$4"
  exit 0
fi

program=$(realpath "${1:-build/src/app/kirv}")
[ -x "$program" ] || fail "no program at $program"
exec unshare --net --mount --map-root-user \
  xvfb-run -a -s "-screen 0 1024x768x24 -br -nolisten tcp" "$0" --inside "$program" \
  "${2:-shown}" "${3:-120}"
