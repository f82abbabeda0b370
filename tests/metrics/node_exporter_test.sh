#!/bin/sh
# node_exporter's textfile collector publishes the kirv.prom that a running "kirv log" writes:
# in a fresh network namespace (lo alone), the logger logs lo every second into a metrics folder
# whose file is linked from the folder node_exporter reads; the scrape holds KIRV's families
# without a textfile error, a reader polling the file meanwhile never sees a part of it, and
# promtool accepts the file and the rules.
# Usage: node_exporter_test.sh KIRV RULES
set -u
kirv=$1
rules=$2
for p in prometheus-node-exporter promtool curl unshare ip; do
  command -v "$p" >/dev/null || { echo "SKIP: $p is missing (dev.sh installs it)"; exit 77; }
done
if [ -z "${KIRV_IN_NAMESPACE:-}" ]; then
  unshare -n true 2>/dev/null || { echo "SKIP: no network namespace here"; exit 77; }
  KIRV_IN_NAMESPACE=1 exec unshare -n "$0" "$@"
fi
ip link set lo up || { echo "SKIP: lo cannot be set up"; exit 77; }

root=$(mktemp -d)
logger=
exporter=
reader=
cleanup() {
  for pid in $logger $exporter $reader; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$root"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; cat "$root"/*.err 2>/dev/null; exit 1; }
# Polls for up to 15 s, never sleeping blind.
wait_for() {
  i=0
  while ! eval "$1"; do
    i=$((i + 1))
    [ $i -gt 150 ] && return 1
    sleep 0.1
  done
}

mkdir -p "$root/config/KIRV" "$root/data" "$root/metrics" "$root/textfile"
printf '[KIRV]\nlo=true\nplanOn=true\nplanLimit=1000000000\n' >"$root/config/KIRV/KIRV.ini"
XDG_CONFIG_HOME="$root/config" LC_ALL=C "$kirv" log --data-dir "$root/data" --period-ms 1000 \
  --metrics-dir "$root/metrics" >"$root/logger.out" 2>"$root/logger.err" &
logger=$!
prom="$root/metrics/kirv.prom"
# As on Debian, where node_exporter's folder belongs to root: a link to KIRV's file.
ln -s "$prom" "$root/textfile/kirv.prom"
wait_for '[ -f "$prom" ]' || fail "no kirv.prom at start"

# Every read of the file while it is rewritten is a whole file: it ends with the build line.
(
  n=0
  while :; do
    text=$(cat "$prom"; echo x)
    case "$text" in
      *'kirv_build_info{version="'*'"} 1
x') n=$((n + 1)); echo "$n" >"$root/reads" ;;
      *) printf '%s' "$text" >"$root/partial"; exit 1 ;;
    esac
  done
) &
reader=$!

prometheus-node-exporter --web.listen-address=127.0.0.1:9100 --collector.disable-defaults \
  --collector.textfile --collector.textfile.directory="$root/textfile" \
  >"$root/exporter.out" 2>"$root/exporter.err" &
exporter=$!
# Each scrape is traffic over lo both ways, so the logger's ticks have records to write.
scrape() { curl -sf http://127.0.0.1:9100/metrics >"$root/scrape" 2>/dev/null; }
wait_for 'scrape && grep -q "^kirv_last_record_timestamp_seconds{device=\"lo\"}" "$root/scrape"' ||
  fail "no record published: $(cat "$root/scrape" 2>/dev/null | grep kirv_ | head -3)"
first=$(grep '^kirv_receive_bytes_total{device="lo"}' "$root/scrape" | cut -d' ' -f2)
wait_for 'scrape && [ "$(grep "^kirv_receive_bytes_total{device=\"lo\"}" "$root/scrape" | cut -d" " -f2)" != "$first" ]' ||
  fail "the sums do not grow after a second record"

for family in kirv_receive_bytes_total kirv_transmit_bytes_total kirv_day_receive_bytes \
  kirv_day_transmit_bytes kirv_month_receive_bytes kirv_month_transmit_bytes; do
  grep -q "^$family{device=\"lo\"} [1-9]" "$root/scrape" || fail "$family missing or zero"
done
for family in kirv_plan_limit_bytes kirv_plan_used_bytes kirv_plan_estimate_bytes \
  kirv_plan_allowance_today_bytes kirv_plan_used_ratio kirv_plan_level \
  kirv_plan_period_end_timestamp_seconds; do
  grep -q "^$family{count=\"both\"} " "$root/scrape" || fail "$family missing"
done
grep -q '^kirv_plan_limit_bytes{count="both"} 1e+09$' "$root/scrape" || fail "plan limit wrong"
grep -q '^kirv_build_info{version="[^"]*"} 1$' "$root/scrape" || fail "no build info"
grep -q '^node_textfile_scrape_error 0$' "$root/scrape" || fail "textfile scrape error"

kill "$reader" 2>/dev/null && wait "$reader" 2>/dev/null
[ -f "$root/partial" ] && fail "a reader saw a partial file: $(cat "$root/partial")"
echo "$(cat "$root/reads") whole reads"
reader=

promtool check metrics <"$prom" || fail "promtool rejects kirv.prom"
promtool check rules "$rules" || fail "promtool rejects the rules"
kill -TERM "$logger"
wait "$logger" || fail "the logger ended with $?"
logger=
grep -q '^kirv_build_info' "$prom" || fail "no kirv.prom after quit"
echo PASS
