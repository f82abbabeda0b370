#!/usr/bin/env bash
# The windows opened from the tray menu with the meter on top, at scales 1 and 2: each is above
# the meter in the window manager's stacking order or clear of it, and leaving compact mode gives
# the meter back its width.
source "$(dirname "$0")/desktop_session.sh"

# A window's frame, "x y w h", from its client area and the frame extents the manager set.
frame_of() {
  local extents
  extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | grep -o '[0-9, ]*$' | tr -d ',')
  xwininfo -id "$1" | awk -v e="${extents:-0 0 0 0}" 'BEGIN {split(e, f, " ")}
    /Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
    /Width:/ {w = $NF} /Height:/ {h = $NF}
    END {print x - f[1], y - f[3], w + f[1] + f[2], h + f[3] + f[4]}'
}
stacked_at() {  # a window's place from the bottom of the stacking order
  xprop -root _NET_CLIENT_LIST_STACKING | grep -o '0x[0-9a-f]*' |
    awk -v id="$(printf '0x%x' "$1")" '$0 == id {print NR}'
}
# Passes when the window is stacked above the meter or no part of their frames overlaps.
clear_of_meter() {
  local window meter above
  window=$(window_named "$1") meter=$(window_named Tachymetre)
  [ -n "$window" ] && [ -n "$meter" ] || return 1
  above=$(($(stacked_at "$window") > $(stacked_at "$meter")))
  read -r x y w h <<<"$(frame_of "$window")"
  read -r mx my mw mh <<<"$(frame_of "$meter")"
  STATE="$1 at $x,$y ${w}x$h, meter at $mx,$my ${mw}x$mh, above it: $above"
  [ "$above" = 1 ] || ((x >= mx + mw || mx >= x + w || y >= my + mh || my >= y + h))
}
menu_item() {  # the tray menu's item of that letter, tried again until the window shows
  local try
  for try in 1 2 3 4 5; do
    xdotool mousemove --window "$(window_named KIRV)" 12 12 click 3
    wait_for "the menu" 2 visible kirv && xdotool key "$1"
    wait_for "$2" 3 visible "$2" && return 0
    xdotool key Escape
  done
  return 1
}
meter_width() { xwininfo -id "$(window_named Tachymetre)" | awk '/Width:/ {print $NF}'; }
width_is() { [ "$(meter_width)" "$1" "$2" ]; }
# A double click on the speed text, again when a loaded machine split it in two single clicks.
toggle_compact() {
  local try meter
  for try in 1 2 3; do
    meter=$(window_named Tachymetre)
    xdotool mousemove --window "$meter" $(($(meter_width) / 2)) 8 click --repeat 2 --delay 80 1
    wait_for "compact mode to switch" 3 width_is "$@" && return 0
  done
  return 1
}

start_x 1024x768x24
# Stored settings without "firstlaunch" would open the configuration at start.
printf '[KIRV]\nfirstlaunch=false\nlrec=00CC00\n' >"$XDG_CONFIG_HOME/KIRV/KIRV.ini"
for scale in 1 2; do
  echo "QT_SCALE_FACTOR=$scale"
  QT_SCALE_FACTOR=$scale start_kirv
  wait_for "the stand-in" 10 visible KIRV
  for try in 1 2 3; do
    xdotool mousemove --window "$(window_named KIRV)" 12 12 click 1
    wait_for "the meter" 3 visible Tachymetre && break
  done
  check "scale $scale: the meter shows and stays on top" wait_for "stay-on-top" 3 bash -c \
    "xprop -id \"\$(xdotool search --onlyvisible --name '^Tachymetre\$' | head -1)\" _NET_WM_STATE |
     grep -q _NET_WM_STATE_ABOVE"
  for window in "c Configuration" "g Module Graphique"; do
    check "scale $scale: \"${window#? }\" opens from the tray" menu_item "${window%% *}" "${window#? }"
    check "scale $scale: \"${window#? }\" is not covered by the meter" \
      wait_for "${window#? } clear of the meter" 5 clear_of_meter "${window#? }"
    echo "  $STATE"
    shot "scale-$scale-${window%% *}-over-meter"
    # Closed, as a window too large to stay clear of the meter covers the tray's stand-in.
    activate "$(window_named "${window#? }")" key alt+F4
    wait_for "${window#? } to close" 3 hidden "${window#? }"
  done
  activate "$(window_named Tachymetre)"
  before=$(meter_width)
  check "scale $scale: compact mode narrows the meter" toggle_compact -lt "$before"
  check "scale $scale: leaving compact mode gives its width back" toggle_compact -eq "$before"
  shot "scale-$scale-after-compact"
  kill -TERM "$KIRV_PID"
  wait "$KIRV_PID"
done
finish
