#!/usr/bin/env bash
# On Wayland: with an X server reachable too (XWayland) KIRV runs on it, where stay-on-top and
# window positions work; on Wayland alone it runs natively and says once on standard error that
# the compositor keeps those.
source "$(dirname "$0")/desktop_session.sh"
command -v weston >/dev/null || { echo "SKIP: weston is missing"; exit 77; }
[ -e /usr/lib/x86_64-linux-gnu/qt6/plugins/platforms/libqwayland-generic.so ] ||
  { echo "SKIP: Qt's Wayland platform is missing"; exit 77; }

weston --backend=headless-backend.so --socket=kirv-wayland --idle-time=0 \
  >"$WORK/weston.log" 2>&1 &
PIDS+=($!)
wait_for "the compositor" 10 test -S "$XDG_RUNTIME_DIR/kirv-wayland"
NOTICE="compositeur"

# Wayland alone.
(unset DISPLAY; WAYLAND_DISPLAY=kirv-wayland exec "$KIRV") >"$WORK/alone.out" 2>&1 &
ALONE=$!
PIDS+=($ALONE)
sleep 3
check "on Wayland alone KIRV runs natively" kill -0 "$ALONE"
check "and says once that the compositor keeps stay-on-top and positions" \
  test "$(grep -c "$NOTICE" "$WORK/alone.out")" = 1
kill -TERM "$ALONE"
wait "$ALONE"
sed 's/^/  stderr: /' "$WORK/alone.out"

# Wayland with an X server beside it.
start_x 1024x768x24
WAYLAND_DISPLAY=kirv-wayland start_kirv
check "with an X server reachable KIRV shows its windows there" \
  wait_for "the stand-in on X" 10 visible KIRV
check "and says nothing about the compositor" bash -c "! grep -q $NOTICE '$WORK/kirv.out'"
kill -TERM "$KIRV_PID"
wait "$KIRV_PID"

# The user's own choice of platform is kept.
(QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=kirv-wayland exec "$KIRV") >"$WORK/chosen.out" 2>&1 &
CHOSEN=$!
PIDS+=($CHOSEN)
sleep 3
check "a platform the user chose is kept, even with an X server" hidden KIRV
check "and the notice is said" grep -q "$NOTICE" "$WORK/chosen.out"
kill -TERM "$CHOSEN"
wait "$CHOSEN"
finish
