#!/usr/bin/env bash
# Frame figures on a virtual display (Xvfb + openbox), optimised build:
#   start to first painted frame (median of 5 starts, no clocks),
#   start to the first frame painted with 50 clocks reopened from the saved set (median of 5),
#   making 50 clocks one after another at start-up (from the saved clock set),
#   CPU time of 50 clocks showing seconds over a period (default 60 s),
#   memory per clock ((RSS with 50 - RSS with 0) / 50).
# Goals: first paint < 250 ms, 50 reopened clocks painted < 400 ms, < 1 ms per clock, < 1 % of one core, < 150 KB per clock.
# Usage: bench/frame_speed.sh [build dir]   (PENDULOR_BENCH_SECONDS=60)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build/bench-release}"
seconds="${PENDULOR_BENCH_SECONDS:-60}"
for tool in Xvfb openbox xdpyinfo; do
  command -v "$tool" >/dev/null || { echo "missing: $tool (run tools/setup)"; exit 1; }
done
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPENDULOR_TESTS=OFF >/dev/null
cmake --build "$build" --target Pendulor -j2 >/dev/null
exe="$build/Pendulor"

work="$(mktemp -d)"
pids=()
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; wait 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
Xvfb -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -1 "$work/display")" # a free display, chosen by Xvfb
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1

export XDG_DATA_HOME="$work/data" PENDULOR_TRACE_STARTUP=1
folder="$XDG_DATA_HOME/Quorvane/Pendulor"
mkdir -p "$folder"

# $1 = number of clocks in the saved set; each clock shows seconds.
prepare() {
  local n="$1" ini="$folder/Pendulor.ini"
  printf '[POSITION]\r\nWidth=1500\r\nHeight=950\r\nLeft=0\r\nTop=0\r\n[OPTION]\r\nLastTileMode=1\r\n[DATAFILE]\r\n' >"$ini"
  for i in $(seq 0 $((n - 1))); do
    local dat="$folder/Clock$i.dat"
    printf '[NAME]\r\nCaption=Clock%s\r\nOffset=+0%s00\r\n[TIME]\r\nUseFormatList=1\r\nListFormat=hh:nn:ss\r\n' \
      "$i" "$((i % 10))" >"$dat"
    printf 'FileName%s=%s\r\n' "$i" "$dat" >>"$ini"
  done
  chmod a-w "$folder" "$folder"/* 2>/dev/null || true # measuring must not rewrite the set
}

rss_kb() { awk '/^VmRSS:/ {print $2}' "/proc/$1/status"; }
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

# Starts the app (pid in $app, output file in $out), waits for a line matching $1.
start() {
  out="$work/out.$RANDOM"
  "$exe" >"$out" 2>/dev/null &
  app=$!
  pids+=($app)
  wait_line "$1"
}
wait_line() {
  for _ in $(seq 300); do grep -q "$1" "$out" 2>/dev/null && return 0; sleep 0.05; done
  return 1
}
stop() { kill "$app" 2>/dev/null || true; wait "$app" 2>/dev/null || true; }

# Five starts, each timed from launch to the moment printed on the line that
# matches $1; prints "median N ms (runs: ... ms".
median_start() {
  local runs=() launched painted
  for _ in 1 2 3 4 5; do
    launched=$(date +%s%3N)
    start "$1"
    painted=$(grep "$1" "$out" | sed -n 's/.* at \([0-9]*\) ms since the epoch/\1/p')
    runs+=($((painted - launched)))
    sleep 1
    stop
  done
  echo "median $(printf '%s\n' "${runs[@]}" | sort -n | sed -n 3p) ms (runs: ${runs[*]} ms"
}

prepare 0
echo "start to first painted frame: $(median_start '^startup:'); goal < 250)"

start '^startup:'
sleep 3
rss0=$(rss_kb "$app")
stop

chmod u+w "$folder" "$folder"/* 2>/dev/null || true
prepare 50
echo "start to the first frame painted with 50 reopened clocks: $(median_start '^reopened:'); goal < 400)"

start '^startup:'
wait_line '^reopen:' || echo "no clocks were made"
echo "making clocks: $(sed -n 's/^reopen: //p' "$out") (goal < 1 ms each)"
sleep 5
rss50=$(rss_kb "$app")
t0=$(cpu_ticks "$app")
sleep "$seconds"
t1=$(cpu_ticks "$app")
hz=$(getconf CLK_TCK)
awk -v d=$((t1 - t0)) -v hz="$hz" -v s="$seconds" \
  'BEGIN {printf "CPU with 50 clocks showing seconds: %.2f %% of one core over %d s (goal < 1)\n", 100 * d / hz / s, s}'
awk -v a="$rss0" -v b="$rss50" \
  'BEGIN {printf "memory per clock: %.0f KB (RSS %d KB with 0, %d KB with 50; goal < 150)\n", (b - a) / 50, a, b}'
stop
chmod -R u+w "$folder" 2>/dev/null || true
