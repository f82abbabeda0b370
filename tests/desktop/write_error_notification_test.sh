#!/usr/bin/env bash
# "kirv log" on a private session bus with a fake notification server, in a network namespace of
# its own with traffic on its loopback: an archive that cannot be opened is notified once, with the
# hint types of the freedesktop notification protocol, and not again while the reason stays; once it was
# written and fails again, the new notification replaces the first. A data plan's limit, reached,
# is notified once, and not again by a logger started anew.
set -uo pipefail
KIRV=${KIRV:-$(cd "$(dirname "$0")/../.." && pwd)/build/src/app/kirv}
SERVER=$(cd "$(dirname "$0")" && pwd)/notification_server.py
[ -x "$KIRV" ] || { echo "SKIP: no program at $KIRV (set KIRV=)"; exit 77; }
command -v dbus-run-session >/dev/null || { echo "SKIP: dbus-run-session is missing"; exit 77; }
/usr/bin/python3 -c 'import dbus, gi' 2>/dev/null || { echo "SKIP: python3-dbus is missing"; exit 77; }
if [ -z "${KIRV_IN_NAMESPACE:-}" ]; then
  unshare -n true 2>/dev/null || { echo "SKIP: no network namespace can be made"; exit 77; }
  exec unshare -n env KIRV_IN_NAMESPACE=1 KIRV="$KIRV" dbus-run-session -- "$0"
fi

WORK=$(mktemp -d /tmp/kirv-notify-XXXXXX)
PIDS=()
FAILURES=0
cleanup() {
  kill "${PIDS[@]}" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$WORK"
}
trap cleanup EXIT
wait_for() {
  local what=$1 deadline=$((SECONDS + $2))
  shift 2
  until "$@"; do
    ((SECONDS >= deadline)) && { echo "  (waited for $what)"; return 1; }
    sleep 0.1
  done
}
check() {
  local name=$1
  shift
  if "$@"; then echo "PASS: $name"; else echo "FAIL: $name"; FAILURES=$((FAILURES + 1)); fi
}

ip link set lo up
mkdir -p "$WORK/config/KIRV" "$WORK/data"
printf '[KIRV]\nlo=true\n' >"$WORK/config/KIRV/KIRV.ini"
/usr/bin/python3 "$SERVER" "$WORK/calls" &
PIDS+=($!)
served() { dbus-send --session --print-reply --dest=org.freedesktop.DBus / \
  org.freedesktop.DBus.NameHasOwner string:org.freedesktop.Notifications | grep -q true; }
wait_for "the notification server" 5 served
(while :; do echo x >/dev/udp/127.0.0.1/9; sleep 0.02; done) 2>/dev/null &
PIDS+=($!)
LC_ALL=C XDG_CONFIG_HOME=$WORK/config "$KIRV" log --data-dir "$WORK/data" --period-ms 1000 \
  2>"$WORK/err" &
LOGGER=$!
PIDS+=($LOGGER)

ARCHIVES=("$WORK/data/lo.mdf" "$WORK/data/l.mdf" "$WORK/data/.mdf")
written() { [ -f "${ARCHIVES[0]}" ] && [ -s "${ARCHIVES[0]}" ]; }
calls() { [ -f "$WORK/calls" ] && wc -l <"$WORK/calls" || echo 0; }
failures() { grep -c "ne peut pas être ouverte : Is a directory" "$WORK/err"; }
calls_reach() { [ "$(calls)" -ge "$1" ]; }
failures_reach() { [ "$(failures)" -ge "$1" ]; }
# No archive under any name can be opened: each name is a folder. The logger waits meanwhile.
block() {
  kill -STOP "$LOGGER"
  rm -rf "${ARCHIVES[@]}"
  mkdir "${ARCHIVES[@]}"
  kill -CONT "$LOGGER"
}
# The nth call's field, as JSON.
field() { /usr/bin/python3 -c 'import json,sys; c=[json.loads(l) for l in open(sys.argv[1])]
print(json.dumps(eval("c[%s]%s" % (sys.argv[2], sys.argv[3]))))' "$WORK/calls" "$1" "$2"; }

check "the archive is written" wait_for "a record" 20 written
block
check "its failure is notified" wait_for "a notification" 20 calls_reach 1
wait_for "three failed ticks" 20 failures_reach 3
check "once while the reason stays" test "$(calls)" -eq 1
check "by KIRV with its icon" test "$(field 0 '["app_name"], c[0]["app_icon"]')" = '["KIRV", "org.kirv.kirv"]'
check "as a new notification" test "$(field 0 '["replaces_id"]')" = 0
check "naming the file and the reason" \
  test "$(field 0 '["body"]')" = "\"$WORK/data/lo.mdf : Is a directory\""
check "urgency critical as a byte" test "$(field 0 '["hints"]["urgency"]')" = '["y", 2]'
check "category device.error" test "$(field 0 '["hints"]["category"]')" = '["s", "device.error"]'
check "desktop-entry org.kirv.kirv" \
  test "$(field 0 '["hints"]["desktop-entry"]')" = '["s", "org.kirv.kirv"]'

kill -STOP "$LOGGER"
rm -rf "${ARCHIVES[@]}"
kill -CONT "$LOGGER"
check "the archive is written again" wait_for "a record" 20 written
block
check "a new failure is notified" wait_for "a second notification" 20 calls_reach 2
check "replacing the first" test "$(field 1 '["replaces_id"]')" = "$(field 0 '["id"]')"
before=$(failures)
wait_for "three more failed ticks" 20 failures_reach $((before + 3))
check "and nothing more" test "$(calls)" -eq 2
check "kirv log still runs" kill -0 "$LOGGER"

# A data plan of 1000 octets, reached by the first record: one critical notification, and none
# again from a logger started anew on the same state.
kill -TERM "$LOGGER"
wait "$LOGGER" 2>/dev/null
mkdir -p "$WORK/plan"
printf '[KIRV]\nlo=true\nplanOn=true\nplanLimit=1000\n' >"$WORK/config/KIRV/KIRV.ini"
start_planned() {
  LC_ALL=C XDG_CONFIG_HOME=$WORK/config XDG_STATE_HOME=$WORK/state "$KIRV" log \
    --data-dir "$WORK/plan" --period-ms 1000 2>>"$WORK/err" &
  LOGGER=$!
  PIDS+=($LOGGER)
}
records() { [ -f "$WORK/plan/lo.mdf" ] && wc -l <"$WORK/plan/lo.mdf" || echo 0; }
records_reach() { [ "$(records)" -ge "$1" ]; }
start_planned
check "the plan's limit is notified" wait_for "a plan notification" 20 calls_reach 3
check "as reached, urgency critical" test "$(field 2 '["hints"]["urgency"]')" = '["y", 2]'
check "category network" test "$(field 2 '["hints"]["category"]')" = '["s", "network"]'
wait_for "a second plan record" 20 records_reach 2
kill -TERM "$LOGGER"
wait "$LOGGER" 2>/dev/null
before=$(records)
start_planned
wait_for "a record after the restart" 20 records_reach $((before + 2))
check "nothing again after a restart" test "$(calls)" -eq 3
echo "$FAILURES failure(s)"
[ "$FAILURES" -eq 0 ]
