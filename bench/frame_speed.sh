#!/usr/bin/env bash
# Frame figures on a virtual display (Xvfb + openbox), optimised build:
#   start to first painted frame (median of 5 starts, no clocks),
#   start to the first frame painted with 50 and with 500 clocks reopened from
#   the saved set (median of 5, and of 3 for 500),
#   making the clocks one after another at start-up (per clock, 50 and 500),
#   CPU time of 50 clocks showing seconds over a period (default 60 s),
#   memory per clock ((RSS with N - RSS with 0) / N, 50 and 500).
# Goals: first paint < 250 ms, 50 reopened clocks painted < 400 ms, < 1 ms per
# clock at 50 and at 500, < 1 % of one core, < 150 KB per clock.
# Usage: bench/frame_speed.sh [build dir or executable]   (PENDULOR_BENCH_SECONDS=60)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
. "$here/lib.bash"
seconds="${PENDULOR_BENCH_SECONDS:-60}"
bench_require Xvfb openbox xdpyinfo
bench_build "${1:-$here/../build/bench-release}"
bench_display 1600x1000
export XDG_DATA_HOME="$work/data" PENDULOR_TRACE_STARTUP=1
folder="$XDG_DATA_HOME/Quorvane/Pendulor"

# Starts the app (pid in $app, output file in $out), waits for a line matching $1.
start() {
  out="$work/out.$RANDOM"
  "$exe" >"$out" 2>/dev/null &
  app=$!
  pids+=($app)
  wait_line "$1"
}
wait_line() {
  for _ in $(seq 600); do grep -q "$1" "$out" 2>/dev/null && return 0; sleep 0.05; done
  return 1
}
stop() { kill "$app" 2>/dev/null || true; wait "$app" 2>/dev/null || true; }

# $2 starts (default 5), each timed from launch to the moment printed on the
# line that matches $1; prints "median N ms (runs: ... ms".
median_start() {
  local runs=() launched painted count="${2:-5}"
  for _ in $(seq "$count"); do
    launched=$(date +%s%3N)
    start "$1" || { stop; echo "no line matching $1 (did Pendulor start under its own name?"; return; }
    painted=$(grep "$1" "$out" | sed -n 's/.* at \([0-9]*\) ms since the epoch/\1/p')
    runs+=($((painted - launched)))
    sleep 1
    stop
  done
  echo "median $(printf '%s\n' "${runs[@]}" | sort -n | sed -n "$(((count + 1) / 2))p") ms (runs: ${runs[*]} ms"
}

bench_clock_set "$folder" 0 1500 950
echo "start to first painted frame: $(median_start '^startup:'); goal < 250)"
start '^startup:'
sleep 3
rss0=$(rss_kb "$app")
stop

for n in 50 500; do
  bench_clock_set "$folder" "$n" 1500 950
  runs=5; [ "$n" -gt 50 ] && runs=3
  goal=""; [ "$n" -eq 50 ] && goal="; goal < 400"
  echo "start to the first frame painted with $n reopened clocks: $(median_start '^reopened:' "$runs")$goal)"

  start '^startup:'
  wait_line '^reopened:' || echo "the clocks were not all made"
  echo "making $n clocks: $(sed -n 's/^reopen: //p' "$out") (goal < 1 ms each)"
  sleep 5
  rss=$(rss_kb "$app")
  awk -v a="$rss0" -v b="$rss" -v n="$n" \
    'BEGIN {printf "memory per clock: %.0f KB (RSS %d KB with 0, %d KB with %d; goal < 150)\n", (b - a) / n, a, b, n}'
  if [ "$n" -eq 50 ]; then
    t0=$(cpu_ticks "$app")
    sleep "$seconds"
    t1=$(cpu_ticks "$app")
    awk -v d=$((t1 - t0)) -v hz="$(getconf CLK_TCK)" -v s="$seconds" \
      'BEGIN {printf "CPU with 50 clocks showing seconds: %.2f %% of one core over %d s (goal < 1)\n", 100 * d / hz / s, s}'
  fi
  stop
done
