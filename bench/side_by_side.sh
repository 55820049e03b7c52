#!/usr/bin/env bash
# Pendulor and gworldclock (Debian's GTK world clock) side by side on one
# virtual display (Xvfb + openbox), each with N clocks showing seconds, all
# visible: Pendulor's frame tiled in columns on the left, gworldclock's list
# tall enough for every row on the right.
# Each program is measured in turn while the other is stopped (SIGSTOP; its
# windows stay on the screen), so the X server's time in a turn is the time it
# spends for that program. Per program and N:
#   CPU of the process + the X server over the period, in % of one core,
#   wake-ups per second (voluntary + involuntary context switches, all threads;
#   "of them" the voluntary ones: on a busy machine preemptions add the rest),
#   resident memory.
# Two more rows in the same run: Pendulor with the same clocks showing minutes
# only, and the toolkit's floor (bench/floor/QtFloorClock: a bare Qt window
# setting N labels once a second), each measured alone after the others.
# Goals for Pendulor: with seconds at most the floor's wake-ups (3 a second
# with 50), with minutes only at most 0.2 a second, total CPU at most half of
# gworldclock's with 50 and with 500 clocks.
# Usage: bench/side_by_side.sh [build dir]
#   PENDULOR_BENCH_SECONDS=60  PENDULOR_BENCH_COUNTS="50 500"
#   PENDULOR_BENCH_MINUTES_SECONDS=180 (the minutes-only row)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
. "$here/lib.bash"
seconds="${PENDULOR_BENCH_SECONDS:-60}"
# Clocks showing minutes wake once a minute: they are measured over minutes.
minutes_seconds="${PENDULOR_BENCH_MINUTES_SECONDS:-180}"
counts="${PENDULOR_BENCH_COUNTS:-50 500}"
bench_require Xvfb openbox xdpyinfo xdotool gworldclock
bench_build "${1:-$here/../build/bench-release}"
pendulor="$exe"
# The floor program is built from bench/ in the default benchmark build.
bench_build "$here/../build/bench-release"
cmake --build "$here/../build/bench-release" --target QtFloorClock -j2 >/dev/null
floor="$here/../build/bench-release/bench/QtFloorClock"
exe="$pendulor"

row=28      # height of one gworldclock row with the default GTK theme and font
listw=560   # width of gworldclock's window
hz=$(getconf CLK_TCK)

# Prints "cpu% x% total% wakeups/s voluntary/s rss" for process $1 over $2
# seconds ($seconds by default).
measure() {
  local p="$1" s="${2:-$seconds}" c0 x0 w0 v0 c1 x1 w1 v1
  c0=$(cpu_ticks "$p"); x0=$(cpu_ticks "$xserver"); w0=$(wakeups "$p"); v0=$(voluntary_wakeups "$p")
  sleep "$s"
  c1=$(cpu_ticks "$p"); x1=$(cpu_ticks "$xserver"); w1=$(wakeups "$p"); v1=$(voluntary_wakeups "$p")
  awk -v c=$((c1 - c0)) -v x=$((x1 - x0)) -v w=$((w1 - w0)) -v v=$((v1 - v0)) -v hz="$hz" -v s="$s" \
    -v r="$(rss_kb "$p")" \
    'BEGIN {printf "%6.2f %6.2f %6.2f %7.1f %7.1f %8.1f\n", 100*c/hz/s, 100*x/hz/s, 100*(c+x)/hz/s, w/s, v/s, r/1024}'
}

run() {
  local n="$1" framew framey listh
  if [ "$n" -le 100 ]; then framew=1500; framey=950; else framew=3000; framey=3000; fi
  listh=$((row * n + 130))
  bench_display "$((framew + listw + 20))x$((listh > framey ? listh : framey))"

  export XDG_DATA_HOME="$work/data" PENDULOR_TRACE_STARTUP=1
  bench_clock_set "$XDG_DATA_HOME/Quorvane/Pendulor" "$n" "$framew" "$framey"
  "$exe" >"$work/pendulor.out" 2>/dev/null &
  local app=$!
  pids+=($app)

  local home="$work/home" zones
  mkdir -p "$home"
  mapfile -t zones < <(awk '!/^#/ {print $3}' /usr/share/zoneinfo/zone1970.tab)
  for i in $(seq 0 $((n - 1))); do
    printf '%s    "Clock%s"\n' "${zones[i % ${#zones[@]}]}" "$i"
  done >"$home/.tzlist"
  printf '<?xml version="1.0"?>\n<gworldclock><timeDisplayFormat>%%x %%X</timeDisplayFormat></gworldclock>\n' \
    >"$home/.gworldclock"
  HOME="$home" gworldclock >/dev/null 2>&1 &
  local other=$!
  pids+=($other)

  for _ in $(seq 600); do grep -q '^reopened:' "$work/pendulor.out" && break; sleep 0.1; done
  local win=""
  for _ in $(seq 100); do
    win="$(xdotool search --onlyvisible --pid "$other" 2>/dev/null | head -1)" && [ -n "$win" ] && break
    sleep 0.1
  done
  xdotool windowsize "$win" "$listw" "$listh" windowmove "$win" "$((framew + 20))" 0
  sleep 10 # past both start-ups
  [ -n "${PENDULOR_BENCH_SHOT:-}" ] && import -window root "${PENDULOR_BENCH_SHOT%.png}-$n.png"

  local idle0 idle1 pend gw
  kill -STOP "$app" "$other"; sleep 2
  idle0=$(cpu_ticks "$xserver"); sleep 10; idle1=$(cpu_ticks "$xserver")
  kill -CONT "$app"; sleep 3
  pend=$(measure "$app")
  kill -STOP "$app"; kill -CONT "$other"; sleep 3
  gw=$(measure "$other")
  kill -STOP "$other"
  kill -CONT "$app"; kill "$app"; wait "$app" 2>/dev/null || true

  # The same clocks showing minutes only, in a frame of their own.
  export XDG_DATA_HOME="$work/data-minutes"
  bench_clock_set "$XDG_DATA_HOME/Quorvane/Pendulor" "$n" "$framew" "$framey" "hh:nn"
  "$exe" >"$work/pendulor-minutes.out" 2>/dev/null &
  local minutes=$!
  pids+=($minutes)
  for _ in $(seq 600); do grep -q '^reopened:' "$work/pendulor-minutes.out" && break; sleep 0.1; done
  sleep 10
  local pmin
  pmin=$(measure "$minutes" "$minutes_seconds")
  kill "$minutes"; wait "$minutes" 2>/dev/null || true

  # The toolkit's floor: N labels set once a second, where the frame was.
  "$floor" "$n" >/dev/null 2>&1 &
  local bare=$!
  pids+=($bare)
  for _ in $(seq 100); do
    win="$(xdotool search --onlyvisible --pid "$bare" 2>/dev/null | head -1)" && [ -n "$win" ] && break
    sleep 0.1
  done
  xdotool windowsize "$win" "$framew" "$framey" windowmove "$win" 0 0
  sleep 5
  local fl
  fl=$(measure "$bare")
  kill "$bare"; wait "$bare" 2>/dev/null || true
  kill -CONT "$other"

  echo "$n clocks, $seconds s each ($minutes_seconds s for hh:nn); X server alone: $(awk -v d=$((idle1 - idle0)) -v hz="$hz" \
    'BEGIN {printf "%.2f", 100*d/hz/10}') %"
  printf '%-15s %6s %6s %6s %7s %7s %8s\n' program "cpu%" "X%" "total%" wakes/s "of them" "RSS MB"
  printf '%-15s %s\n' Pendulor "$pend" "Pendulor hh:nn" "$pmin" gworldclock "$gw" "Qt floor" "$fl"
  bench_cleanup
  trap - EXIT
}

for n in $counts; do run "$n"; done
