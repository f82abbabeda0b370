#!/usr/bin/env bash
# Times the command-line front ends over ten years of five-minute records (about 1.05 million
# lines, written once by the totals and history benchmarks' generator) side by side with
# `wc -l` over the same file, with hyperfine, and takes their peak memory with /usr/bin/time -v
# and the resting memory and wake-ups of `kirv log`.
#
#   tools/bench-cli.sh    (in BUILD_DIR, build-bench-cli by default: a Release build made on the
#                          first run; an existing build folder is used as it is configured)
set -euo pipefail
cd "$(dirname "$0")/.."

BUILD_DIR=${BUILD_DIR:-build-bench-cli}
if [ ! -f "$BUILD_DIR/CMakeCache.txt" ]; then
  cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKIRV_BUILD_TESTS=ON >/dev/null
fi
cmake --build "$BUILD_DIR" -j2 --target kirv totals_bench history_bench

# The generator writes each archive once under /tmp and reuses it afterwards.
"$BUILD_DIR/bench/totals_bench" --benchmark_min_time=0.01 >/dev/null
"$BUILD_DIR/bench/history_bench" --benchmark_min_time=0.01 >/dev/null
TOTALS=/tmp/kirv-bench-totals-ten-years.mdf
HISTORY=/tmp/kirv-bench-history-ten-years.mdf
KIRV=$(realpath "$BUILD_DIR/src/app/kirv")
PICTURE=$(mktemp --suffix=.png)
trap 'rm -f "$PICTURE"' EXIT

echo "== $(wc -l <"$TOTALS") records, $(du -h "$TOTALS" | cut -f1); load: $(cut -d' ' -f1-3 /proc/loadavg)"
hyperfine -N --warmup 3 --runs 30 \
  "wc -l $TOTALS" \
  "$KIRV report $TOTALS --date 20/04/2026 --json" \
  "$KIRV report $TOTALS --date 20/04/2026"
hyperfine -N --warmup 3 --runs 30 \
  "wc -l $HISTORY" \
  "$KIRV graph $HISTORY --period year --at '20/04/2026 10:00' -o $PICTURE"

peak() {  # the peak resident memory of one run, in kB
  /usr/bin/time -v "$@" 2>&1 >/dev/null | sed -n 's/.*Maximum resident set size (kbytes): //p'
}
echo "== peak memory (kB)"
echo "wc -l:                $(peak wc -l "$TOTALS")"
echo "kirv report --json:   $(peak "$KIRV" report "$TOTALS" --date 20/04/2026 --json)"
echo "kirv graph year:      $(peak "$KIRV" graph "$HISTORY" --period year --at "20/04/2026 10:00" -o "$PICTURE")"

echo "== kirv log at rest"
folder=$(mktemp -d)
mkdir -p "$folder/KIRV"
printf '[KIRV]\nfirstlaunch=false\nlo=true\n' >"$folder/KIRV/KIRV.ini"  # logs the loopback
XDG_CONFIG_HOME=$folder "$KIRV" log --data-dir "$folder/data" &
logger=$!
sleep 2
switches() { sed -n 's/^voluntary_ctxt_switches:\s*//p' "/proc/$logger/status"; }
before=$(switches)
sleep 10
echo "resident memory:      $(sed -n 's/^VmRSS:\s*//p' "/proc/$logger/status")"
echo "wake-ups in 10 s:     $(($(switches) - before))"
kill -TERM "$logger"
wait "$logger" || true
rm -rf "$folder"
