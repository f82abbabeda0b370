#!/usr/bin/env bash
# The meter window on a real window manager: a stored place off the screen is brought onto it,
# stay-on-top and the place survive eight compact mode switches, and a minimised meter or
# configuration window comes back from the tray and the menus.
source "$(dirname "$0")/desktop_session.sh"

# Absolute position of a window's client area, "x y".
# Both say nothing for a window that is not there: xwininfo without an id would wait for a click.
client_at() {
  [ -n "$1" ] || return 1
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
    END {print x, y}'
}
client_size() {
  [ -n "$1" ] || return 1
  xwininfo -id "$1" | awk '/Width:/ {w = $NF} /Height:/ {h = $NF} END {print w, h}'
}
on_top() { [ -n "$1" ] && xprop -id "$1" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; }
meter_on_top() { on_top "$(window_named Tachymetre)"; }
meter_at() { [ "$(client_at "$(window_named Tachymetre)")" = "$1" ]; }
meter_size_is_not() { [ "$(client_size "$(window_named Tachymetre)")" != "$1" ]; }
shown_normal() { [ -n "$1" ] && xprop -id "$1" WM_STATE | grep -q Normal; }
# Asks the window manager to minimise a window, again if a fresh mapping swallowed the request.
minimise() {
  local try
  for try in 1 2 3; do
    xdotool windowminimize "$(window_named "$1")"
    wait_for "$1 to be minimised" 1 hidden "$1" && return 0
  done
  return 1
}
# "&Configuration" from the meter's menu: a right click, then the item's letter.
configuration_from_meter() {
  local try meter
  for try in 1 2 3; do
    meter=$(window_named Tachymetre)
    activate "$meter" 2>/dev/null
    xdotool mousemove --window "$meter" 30 30 click 3
    sleep 0.6
    xdotool key c
    wait_for "Configuration" 2 visible Configuration && return 0
    xdotool key Escape
  done
  return 1
}
click_stand_in() { xdotool mousemove --window "$(window_named KIRV)" 12 12 click 1; }

start_x 1024x768x24

# A first run stores every setting at its end; the next one starts from a place that only a
# larger or a second monitor showed.
store_first_settings
check "the first run stored its settings" grep -qi '^left=' "$INI"
sed -i 's/^left=.*/left=2500/I; s/^top=.*/top=1900/I' "$INI"

start_kirv
wait_for "the stand-in" 10 visible KIRV
sleep 1.5
click_stand_in
check "a tray click shows the meter" wait_for "the meter" 3 visible Tachymetre
METER=$(window_named Tachymetre)
read -r x y <<<"$(client_at "$METER")"
read -r w h <<<"$(client_size "$METER")"
echo "  meter client at $x,$y size ${w}x$h"
check "a stored place off the screen is moved onto it" \
  test "$x" -ge 0 -a "$y" -ge 0 -a $((x + w)) -le 1024 -a $((y + h)) -le 768
check "the meter stays on top" on_top "$METER"
shot meter-1-placed-on-screen

# Compact mode on and off by double clicks on the speed text, eight times.
read -r x0 y0 <<<"$(client_at "$(window_named Tachymetre)")"
echo "  before the switches: client at $x0,$y0"
moved=0
lost=0
for i in 1 2 3 4 5 6 7 8; do
  # A loaded machine may split a double click in two single ones: the switch is done when the
  # size has changed, so the eight switches end in the normal mode.
  for try in 1 2 3; do
    METER=$(window_named Tachymetre)
    size=$(client_size "$METER")
    read -r w h <<<"$size"
    xdotool mousemove --window "$METER" $((w / 2)) 8 click --repeat 2 --delay 80 1
    wait_for "switch $i" 3 meter_size_is_not "$size" && break
  done
  sleep 0.7
  # A busy window manager may take a moment more to map the window again: a lasting loss or
  # move is what counts.
  wait_for "stay-on-top" 2 meter_on_top
  wait_for "the meter's place" 2 meter_at "$x0 $y0"
  METER=$(window_named Tachymetre)
  read -r x y <<<"$(client_at "$METER")"
  on_top "$METER" || lost=$((lost + 1))
  [ "$x" = "$x0" ] && [ "$y" = "$y0" ] || moved=$((moved + 1))
  echo "  switch $i: client at $x,$y $(on_top "$METER" && echo on-top || echo NOT-on-top)"
  [ "$i" = 1 ] && shot meter-2-compact
done
check "eight compact switches keep stay-on-top every time" test "$lost" -eq 0
check "eight compact switches leave the meter where it was" test "$moved" -eq 0
shot meter-3-after-eight-switches

# Minimised by the window manager, brought back by a tray click.
check "the window manager minimises the meter" minimise Tachymetre
click_stand_in
check "a tray click brings the minimised meter back" wait_for "the meter" 3 visible Tachymetre
check "and it is no longer minimised" shown_normal "$(window_named Tachymetre)"

# The configuration window, minimised, brought back by the meter's "&Configuration".
check "the meter's menu opens the configuration window" configuration_from_meter
check "the window manager minimises the configuration window" minimise Configuration
check "\"&Configuration\" brings the minimised window back" configuration_from_meter
sleep 1
shot meter-4-configuration-restored
check "the configuration window is shown" shown_normal "$(window_named Configuration)"
check "KIRV is still running" kill -0 "$KIRV_PID"
finish
