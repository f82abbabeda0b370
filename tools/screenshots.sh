#!/usr/bin/env bash
# Takes a picture of each KIRV window for the README, in French into docs/screenshots/ and in
# English into docs/screenshots/en/: the real program
# under Xvfb with openbox and trayer, in namespaces of its own: a network whose loopback carries
# generated traffic (shown by the meter and the stopwatch) and a home folder /home/demo on a
# tmpfs holding the settings and a generated ten-day archive of a fake interface (shown by the
# graph and totals windows).
#   tools/screenshots.sh [PROGRAM]    default build-run/src/app/kirv; ./dev.sh screenshots builds
#                                     the program and installs the tools first
set -euo pipefail
cd "$(dirname "$0")/.."

SCREENSHOTS=docs/screenshots
CATALOGUE=i18n/kirv_en.ts
ARCHIVE_NAME=demo0 # the fake interface of the archive
SCREEN=1024x768x24

fail() {
  echo "screenshots: $*" >&2
  exit 1
}

# Ten days of five-minute records ending at the last five-minute mark, quiet at night and busy
# in the evening, the same every time for a given day.
generate_archive() {
  python3 - "$1" <<'EOF'
import datetime, math, random, sys
random.seed(11)
step = datetime.timedelta(minutes=5)
now = datetime.datetime.now().replace(second=0, microsecond=0)
end = now - datetime.timedelta(minutes=now.minute % 5)
at = end - datetime.timedelta(days=10)
with open(sys.argv[1], "w", newline="") as archive:
    while at <= end:
        hour = at.hour + at.minute / 60
        busy = 0.08 + 0.5 * max(0.0, math.sin((hour - 7) / 17 * math.pi)) ** 2
        busy += 0.9 * math.exp(-((hour - 21) ** 2) / 3)  # the evening peak
        received = int(busy * random.uniform(0.5, 1.5) * 7e6)
        sent = int(received * random.uniform(0.05, 0.2))
        archive.write(f"F{at:%d/%m/%Y %H:%M:%S}D{received}U{sent}\r\n")
        at += step
EOF
}

# Sends octets over the loopback at a rate that swells and ebbs, until killed.
generate_traffic() {
  python3 - <<'EOF'
import math, os, socket, threading, time
parent = os.getppid()
server = socket.create_server(("127.0.0.1", 0))
port = server.getsockname()[1]
def drain():
    connection, _ = server.accept()
    while connection.recv(1 << 16):
        pass
threading.Thread(target=drain, daemon=True).start()
client = socket.create_connection(("127.0.0.1", port))
chunk = b"\0" * 2048
start = time.monotonic()
while os.getppid() == parent:
    elapsed = time.monotonic() - start
    rate = 30e3 + 18e3 * math.sin(elapsed / 4) + 8e3 * math.sin(elapsed * 1.7)  # octets/s
    client.sendall(chunk)
    time.sleep(len(chunk) / rate)
EOF
}

# The text the windows show for a French source text: its English translation from the catalogue
# when the pictures are in English and the catalogue has one, else the source itself.
shown() {
  if [ "$LANGUAGE_SHOWN" != en ]; then
    printf '%s\n' "$1"
    return
  fi
  python3 - "$CATALOGUE" "$1" <<'EOF'
import sys, xml.etree.ElementTree as ElementTree
catalogue, source = sys.argv[1:]
for message in ElementTree.parse(catalogue).iter("message"):
    translation = message.find("translation")
    if (message.findtext("source") == source and translation is not None and translation.text
            and translation.get("type") not in ("unfinished", "vanished", "obsolete")):
        print(translation.text)
        break
else:
    print(source)
EOF
}

window_of() {
  timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" | head -1 | grep . ||
    fail "no window \"$1\" appeared"
}

# shoot FILE TITLE: the window of that title with its frame.
shoot() {
  local id
  id=$(window_of "$(shown "$2")")
  xdotool windowraise "$id"
  sleep 0.5
  import -silent -frame -window "$id" "$OUT/$1.png"
  echo "screenshots: $OUT/$1.png"
}

# Opens the tray menu and chooses the entry of that French text by its accelerator key.
choose() {
  local item key
  item=$(shown "$1")
  key=${item#*&}
  key=${key:0:1}
  xdotool mousemove "$TRAY_X" "$TRAY_Y" click 3
  sleep 0.7
  xdotool key "${key,,}"
  sleep 1.5
}

inside() {
  local program=$1
  LANGUAGE_SHOWN=$2
  OUT=$SCREENSHOTS
  [ "$LANGUAGE_SHOWN" = fr ] || OUT=$SCREENSHOTS/$LANGUAGE_SHOWN
  mkdir -p "$OUT"
  pids=()
  trap 'kill "${pids[@]}" 2>/dev/null; wait' EXIT
  trap 'exit 1' TERM INT
  ip link set lo up
  mount -t tmpfs tmpfs /home
  export HOME=/home/demo
  export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share
  export XDG_RUNTIME_DIR=$HOME/.run
  # French is the texts' own language, shown under C; English comes from the catalogue.
  unset LC_ALL LC_MESSAGES LANGUAGE
  if [ "$LANGUAGE_SHOWN" = fr ]; then export LANG=C.UTF-8; else export LANG=en_US.UTF-8; fi
  unset DBUS_SESSION_BUS_ADDRESS
  mkdir -p "$XDG_CONFIG_HOME/KIRV" "$XDG_DATA_HOME/KIRV"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  local archive=$XDG_DATA_HOME/KIRV/$ARCHIVE_NAME.mdf
  generate_archive "$archive"
  # The loopback in the meter's first graph at 512 kbps full scale; the graph window on the
  # archive, with its legend.
  cat >"$XDG_CONFIG_HOME/KIRV/KIRV.ini" <<EOF
[KIRV]
Graphfile=$archive
Legende=true
lrec=00CC00
firstlaunch=false
Echelle2=2
lo=false
lo1=true
lo2=false
EOF

  openbox >/dev/null 2>&1 &
  pids+=($!)
  trayer --edge top --align right --widthtype request --height 24 --SetDockType true \
    --transparent false >/dev/null 2>&1 &
  pids+=($!)
  generate_traffic &
  pids+=($!)
  sleep 1
  (cd "$XDG_DATA_HOME/KIRV" && exec "$program") >"$HOME/kirv.log" 2>&1 &
  pids+=($!)
  sleep 3 # the splash is over; the tray menu may open

  local tray
  tray=$(timeout 10 xdotool search --sync --onlyvisible --class '^trayer$' | head -1)
  eval "$(xdotool getwindowgeometry --shell "$tray")"
  TRAY_X=$((X + WIDTH - HEIGHT / 2)) TRAY_Y=$((Y + HEIGHT / 2))
  echo "screenshots: tray $tray at ${X},$Y ${WIDTH}x$HEIGHT" >&2

  # The menu alone on the black screen: the picture is what differs from black.
  xdotool mousemove "$TRAY_X" "$TRAY_Y" click 3
  sleep 1
  import -silent -window root -trim +repage "$OUT/tray-menu.png"
  echo "screenshots: $OUT/tray-menu.png"
  xdotool key Escape
  sleep 0.5

  choose "&Configuration"
  shoot config "Configuration"
  choose "&Graphique"
  xdotool mousemove --window "$(window_of "$(shown "Module Graphique")")" 283 67 click 1 # "Tracer"
  sleep 2
  shoot graph "Module Graphique"
  choose "Totau&x"
  sleep 2
  shoot totals "Totaux"
  choose "C&hronometre"
  xdotool mousemove --window "$(window_of "$(shown "Chronometre")")" 287 32 click 1 # "Start"
  sleep 8
  shoot chrono "Chronometre"
  choose "A &propos..."
  shoot about "A propos..."
  sleep 60                                      # two minutes of the meter's graph
  xdotool mousemove "$TRAY_X" "$TRAY_Y" click 1 # shows the meter
  sleep 2
  shoot meter "Tachymetre"

  kill -0 "${pids[3]}" || { cat "$HOME/kirv.log" >&2; fail "KIRV ended early"; }
}

if [ "${1:-}" = --inside ]; then
  inside "$2" "$3"
  exit 0
fi

program=${1:-build-run/src/app/kirv}
[ -x "$program" ] || fail "no program at $program: run ./dev.sh screenshots"
program=$(realpath "$program")
missing=()
for tool in xvfb-run:xvfb openbox:openbox trayer:trayer xdotool:xdotool import:imagemagick \
  python3:python3 ip:iproute2 unshare:util-linux; do
  command -v "${tool%%:*}" >/dev/null || missing+=("${tool#*:}")
done
[ ${#missing[@]} -eq 0 ] || fail "as root, run: apt-get install ${missing[*]}"
for language in fr en; do
  unshare --net --mount --map-root-user \
    xvfb-run -a -s "-screen 0 $SCREEN -br -nolisten tcp" "$0" --inside "$program" "$language"
done
