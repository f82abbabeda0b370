#!/usr/bin/env bash
# On a desktop whose tray speaks D-Bus (StatusNotifierItem), on a private session bus: the icon
# registers with its picture at six sides, each drawn in its few colours, its hint carries the
# speed text, a left click (Activate) shows the meter, and once the splash is over the tray menu
# is exported as a D-Bus menu with its French items.
source "$(dirname "$0")/desktop_session.sh"
HOST=$(dirname "$0")/status_notifier.py
command -v dbus-daemon >/dev/null || { echo "SKIP: dbus-daemon is missing"; exit 77; }
/usr/bin/python3 -c 'import dbus, gi' 2>/dev/null || { echo "SKIP: python3-dbus is missing"; exit 77; }

start_x 1024x768x24
dbus-daemon --session --nofork --print-address=4 4>"$WORK/bus" >/dev/null 2>&1 &
PIDS+=($!)
wait_for "the session bus" 5 test -s "$WORK/bus"
export DBUS_SESSION_BUS_ADDRESS=$(head -1 "$WORK/bus")
/usr/bin/python3 "$HOST" watcher &
WATCHER_PID=$!
PIDS+=($WATCHER_PID)
wait_for "the watcher" 5 bash -c "/usr/bin/python3 '$HOST' items 2>/dev/null"

start_kirv
item() { /usr/bin/python3 "$HOST" items 2>/dev/null | head -1; }
registered() { [ -n "$(item)" ]; }
check "the icon registers with the watcher" wait_for "a registered item" 5 registered
ITEM=$(item)
echo "  item $ITEM"
check "no stand-in window while the panel shows the icon" hidden KIRV
pixmaps=$(/usr/bin/python3 "$HOST" pixmaps "$ITEM")
echo "  pixmaps:" $pixmaps
check "the icon comes at 16, 22, 24, 32, 48 and 64 pixels" \
  test "$(cut -d' ' -f1 <<<"$pixmaps" | tr '\n' ' ')" = "16x16 22x22 24x24 32x32 48x48 64x64 "
check "each drawn at its side, in at most the five colours of the picture" \
  awk '$2 > 5 { exit 1 }' <<<"$pixmaps"
check "no menu is exported during the splash" \
  test -z "$(/usr/bin/python3 "$HOST" menu "$ITEM" 2>&1)"

sleep 2  # the splash ends; the meter ticks
tip=$(/usr/bin/python3 "$HOST" tooltip "$ITEM")
echo "  tooltip: $tip"
check "the hint carries the speed text" grep -Eq 'DL : [0-9.,]+k(o/s|bps)  UL : ' <<<"$tip"

/usr/bin/python3 "$HOST" activate "$ITEM"
check "a left click (Activate) shows the meter" wait_for "the meter" 3 visible Tachymetre
shot sni-1-meter-after-activate

menu=$(/usr/bin/python3 "$HOST" menu "$ITEM" 2>&1)
echo "$menu" | sed 's/^/  menu: /'
expected=$'_Tachymetre\n_Graphique\nTotau_x\nC_hronometre\n_Configuration\nA _propos...\n-\n_Quitter'
check "the exported menu holds the French items in order" test "$menu" = "$expected"

# A watcher that restarts: the icon registers again.
kill "$WATCHER_PID"
wait "$WATCHER_PID" 2>/dev/null
check "without a watcher the stand-in window comes back" wait_for "the stand-in" 2 visible KIRV
/usr/bin/python3 "$HOST" watcher &
PIDS+=($!)
check "the icon registers again with a restarted watcher" \
  wait_for "a registered item" 3 registered
check "and the stand-in window goes" wait_for "the stand-in to go" 2 hidden KIRV
check "KIRV is still running" kill -0 "$KIRV_PID"
finish
