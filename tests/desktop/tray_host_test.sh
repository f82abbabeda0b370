#!/usr/bin/env bash
# The tray icon follows the notification area: a stand-in window while there is none, the panel's
# tray once it starts (late), the stand-in again when it stops, the tray again when it restarts;
# each move within two seconds.
source "$(dirname "$0")/desktop_session.sh"
command -v trayer >/dev/null || { echo "SKIP: trayer is missing"; exit 77; }

start_trayer() {
  trayer --edge bottom --align right --widthtype pixel --width 120 --height 24 \
    --transparent false --tint 0x404040 >/dev/null 2>&1 &
  TRAYER_PID=$!
  PIDS+=($TRAYER_PID)
  wait_for "the tray selection" 5 bash -c 'xdotool search --classname trayer >/dev/null'
}

# The tray icon as trayer embeds it: KIRV's 22 x 22 window inside the panel.
tray_icon_window() {
  xwininfo -root -tree | awk '/"panel": \("panel" "trayer"\)/ {panel = 1; next}
    panel && /"kirv": \("kirv" "kirv"\)  22x22/ {print $1; exit}
    panel && /^     0x/ {panel = 0}'
}
icon_in_tray() { [ -n "$(tray_icon_window)" ]; }

# The tooltip shown over the stand-in, left of the icon (the bottom right corner of the screen).
tip_picture() {
  import -window root -crop 250x40+740+712 +repage "$WORK/$1.png"
}
tip_shown() { # a light tooltip, not the black desktop
  [ "$(convert "$WORK/$1.png" -colorspace Gray -threshold 50% -format "%[fx:int(mean*100)]" info:)" -gt 15 ]
}
tips_differ() {
  [ "$(compare -metric AE "$WORK/$1.png" "$WORK/$2.png" null: 2>&1)" != 0 ]
}

start_x 1024x768x24
# The loopback interface summed into the first graph, with traffic of a changing speed.
printf '[KIRV]\nlo1=true\n' >"$XDG_CONFIG_HOME/KIRV/KIRV.ini"
/usr/bin/python3 -c 'import random, socket, time
s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
while True:
    s.sendto(b"x" * random.randint(200, 1400), ("127.0.0.1", 9))
    time.sleep(0.001)' &
PIDS+=($!)
start_kirv
check "without a panel the 24x24 stand-in window shows the icon" \
  wait_for "the stand-in" 10 visible KIRV
sleep 1.5  # the splash ends
shot tray-1-stand-in

xdotool mousemove --window "$(window_named KIRV)" 12 12
sleep 1.5
tip_picture tip-1
sleep 1.2
tip_picture tip-2
check "the stand-in's tooltip shows" tip_shown tip-1
check "the shown tooltip follows the speed text" tips_differ tip-1 tip-2
cp "$WORK/tip-1.png" "$SHOTS/tray-tip-1.png"
cp "$WORK/tip-2.png" "$SHOTS/tray-tip-2.png"
xdotool mousemove 500 300

start_trayer
check "a panel started late takes the icon within two seconds" \
  wait_for "the icon in the tray" 2 icon_in_tray
check "and the stand-in window goes" wait_for "the stand-in to go" 2 hidden KIRV
shot tray-2-in-panel

kill "$TRAYER_PID"
check "when the panel stops the stand-in window comes back within two seconds" \
  wait_for "the stand-in" 2 visible KIRV
shot tray-3-panel-gone

start_trayer
check "a restarted panel takes the icon again within two seconds" \
  wait_for "the icon in the tray" 2 icon_in_tray
check "and the stand-in window goes again" wait_for "the stand-in to go" 2 hidden KIRV
shot tray-4-panel-back

# A left click on the icon in the panel shows the meter.
icon=$(tray_icon_window)
if [ -n "$icon" ]; then
  xdotool mousemove --window "$icon" 10 10 click 1
  check "a left click on the panel's icon shows the meter" \
    wait_for "the meter" 3 visible Tachymetre
fi
shot tray-5-meter-from-panel
check "KIRV is still running" kill -0 "$KIRV_PID"
finish
