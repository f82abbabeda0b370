#!/usr/bin/env bash
# The history graph and totals windows with the fonts installed here: the statistics captions
# and figures do not overlap, a right click on a day of "Stats Journalières" brings the graph in
# front of the totals, and the open dialog speaks French.
source "$(dirname "$0")/desktop_session.sh"

ARCHIVE="$XDG_DATA_HOME/KIRV/Carte reseau.mdf"
# Three days of five-minute records far above the 64 kbps scale, today's up to now.
write_archive() {
  local day minutes stamp
  for day in 2 1 0; do
    for ((minutes = 0; minutes < 24 * 60; minutes += 5)); do
      stamp=$(date -d "$(date +%F) -$day day +$minutes min" '+%d/%m/%Y %H:%M:%S')
      [ "$day" = 0 ] && [ "$(date -d "$(date +%F) +$minutes min" +%s)" -gt "$(date +%s)" ] && break
      printf 'F%sD%dU%d\r\n' "$stamp" $((20000000 + minutes * 1000)) $((3000000 + minutes * 100))
    done
  done >"$ARCHIVE"
}

menu_item() {  # a tray menu item by its letter, once the splash is over
  xdotool mousemove --window "$(window_named KIRV)" 12 12 click 3
  sleep 0.6
  xdotool key "$1"
}

start_x 1280x800x24
write_archive
store_first_settings
sed -i "s|^Graphfile=.*|Graphfile=$ARCHIVE|I; s/^Echelle=.*/Echelle=0/I; s/^Legende=.*/Legende=true/I" "$INI"
grep -qi '^Graphfile=' "$INI" || printf 'Graphfile=%s\nEchelle=0\n' "$ARCHIVE" >>"$INI"

start_kirv
wait_for "the stand-in" 10 visible KIRV
sleep 1.5
menu_item g
check "\"&Graphique\" opens the history graph" wait_for "the graph" 3 visible "Module Graphique"
GRAPH=$(window_named "Module Graphique")
xdotool windowsize "$GRAPH" 1020 420
sleep 0.5
xdotool mousemove --window "$GRAPH" 283 67 click 1  # "Tracer"
sleep 1.5
import -window "$GRAPH" "$SHOTS/graph-1-statistics.png"
echo "  screenshot $SHOTS/graph-1-statistics.png"

menu_item x
check "\"Totau&x\" opens the totals" wait_for "the totals" 3 visible Totaux
TOTALS=$(window_named Totaux)
sleep 1.5
import -window "$TOTALS" "$SHOTS/totals-1-today.png"
echo "  screenshot $SHOTS/totals-1-today.png"
activate "$TOTALS"
xdotool key ctrl+Tab
sleep 0.5
import -window "$TOTALS" "$SHOTS/totals-2-days.png"

# The graph behind the totals, then a right click on the newest day.
activate "$TOTALS"
sleep 0.3
stacking() { xprop -root _NET_CLIENT_LIST_STACKING | tr -d ',' | tr ' ' '\n' | grep 0x; }
graph_above_totals() {
  local order
  order=$(stacking | awk -v g="$(printf '0x%x' "$GRAPH")" -v t="$(printf '0x%x' "$TOTALS")" '
    {id = $0} id == g {gi = NR} id == t {ti = NR} END {print (gi > ti) ? "yes" : "no"}')
  [ "$order" = yes ]
}
totals_above_graph() { ! graph_above_totals; }
check "the totals start in front of the graph" totals_above_graph
xdotool mousemove --window "$TOTALS" 60 118 click 3  # the newest day
sleep 1
import -window root "$SHOTS/totals-3-right-click-day.png"
echo "  screenshot $SHOTS/totals-3-right-click-day.png"
check "a right click on a day brings the graph in front of the totals" graph_above_totals

# The open dialog of "Ouvrir", in French.
xdotool mousemove --window "$GRAPH" 389 67 click 1
check "\"Ouvrir\" opens the file dialog" wait_for "the dialog" 3 bash -c \
  'xdotool search --onlyvisible --name "^(Ouvrir|Open)" >/dev/null'
DIALOG=$(xdotool search --onlyvisible --name "^(Ouvrir|Open)" | head -1)
[ -n "$DIALOG" ] || finish || exit 1
sleep 0.5
import -window "$DIALOG" "$SHOTS/dialog-1-open.png"
echo "  screenshot $SHOTS/dialog-1-open.png, title: $(xdotool getwindowname "$DIALOG")"
check "its title is French" test "$(xdotool getwindowname "$DIALOG")" = Ouvrir
# Closed before the tray menu is used again: a modal dialog keeps the other windows from opening.
activate "$DIALOG" key Escape
check "Escape closes the file dialog" wait_for "the file dialog to close" 3 hidden Ouvrir

# The colour dialog of the configuration's first colour, in French. A busy machine may take more
# than a moment to raise a menu or a page, so each step is tried again a few times.
for attempt in 1 2 3; do
  menu_item c
  wait_for "Configuration" 3 visible Configuration && break
done
CONFIG=$(window_named Configuration)
for attempt in 1 2 3; do
  xdotool mousemove --window "$CONFIG" 50 12 click 1  # "Options Générales"
  sleep 0.5
  xdotool mousemove --window "$CONFIG" 492 117 click 1  # the colour of "Réception 1 :"
  wait_for "the colour dialog" 3 visible "Sélectionner une couleur" && break
done
check "the colour dialog opens with its French title" visible "Sélectionner une couleur"
COLOUR=$(window_named "Sélectionner une couleur")
if [ -n "$COLOUR" ]; then
  sleep 0.5
  import -window "$COLOUR" "$SHOTS/dialog-2-colour.png"
  echo "  screenshot $SHOTS/dialog-2-colour.png"
  xdotool key Escape
fi
check "KIRV is still running" kill -0 "$KIRV_PID"
finish
