# Shared by the benchmark scripts (sourced): a private X server with a window
# manager, a saved clock set, and figures of a running process from /proc.
# After bench_display: $work (removed at exit) and DISPLAY; every process id
# added to pids is ended at exit.

bench_require() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "missing: $tool (run tools/setup)"; exit 1; }
  done
}

# Builds Pendulor (optimised, without tests) in the build folder $1 and sets
# exe; $1 may also name an executable already built (a "before" binary).
bench_build() {
  local build="$1" root
  if [ -f "$build" ] && [ -x "$build" ]; then exe="$build"; return; fi
  root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
  [ -f "$build/CMakeCache.txt" ] ||
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPENDULOR_TESTS=OFF >/dev/null
  cmake --build "$build" --target Pendulor -j2 >/dev/null
  exe="$build/Pendulor"
}

bench_cleanup() {
  local p
  for p in "${pids[@]}"; do kill -CONT "$p" 2>/dev/null || true; kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
  chmod -R u+w "$work" 2>/dev/null || true
  rm -rf "$work"
}

# $1 = screen size WxH. Starts Xvfb (which picks a free display itself) and
# openbox; sets xserver to the X server's process id.
bench_display() {
  work="$(mktemp -d)"
  pids=()
  trap bench_cleanup EXIT
  Xvfb -displayfd 3 -screen 0 "${1}x24" -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
  xserver=$!
  pids+=($xserver)
  for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
  export DISPLAY=":$(head -1 "$work/display")"
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  openbox >/dev/null 2>&1 &
  pids+=($!)
  sleep 1
}

# Writes a saved clock set of $2 clocks showing seconds (or the time format
# $5) into the data folder $1, the frame at 0,0 sized $3 x $4, tiled in
# columns. Made read-only, so measuring never rewrites it.
bench_clock_set() {
  local folder="$1" n="$2" ini="$1/Pendulor.ini" format="${5:-hh:nn:ss}" i dat
  chmod -R u+w "$folder" 2>/dev/null || true
  rm -rf "$folder"
  mkdir -p "$folder"
  printf '[POSITION]\r\nWidth=%s\r\nHeight=%s\r\nLeft=0\r\nTop=0\r\n[OPTION]\r\nLastTileMode=1\r\n[DATAFILE]\r\n' \
    "$3" "$4" >"$ini"
  for i in $(seq 0 $((n - 1))); do
    dat="$folder/Clock$i.dat"
    printf '[NAME]\r\nCaption=Clock%s\r\nOffset=+0%s00\r\n[TIME]\r\nUseFormatList=1\r\nListFormat=%s\r\n' \
      "$i" "$((i % 10))" "$format" >"$dat"
    printf 'FileName%s=%s\r\n' "$i" "$dat" >>"$ini"
  done
  chmod a-w "$folder" "$folder"/*
}

rss_kb() { awk '/^VmRSS:/ {print $2}' "/proc/$1/status"; }
# User + system time of the whole process (all its threads), in clock ticks.
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
# Voluntary + involuntary context switches of all threads of the process.
wakeups() { cat /proc/"$1"/task/*/status 2>/dev/null | awk '/ctxt_switches:/ {n += $2} END {print n}'; }
# The voluntary ones alone: the process went to sleep and was woken; the
# involuntary ones count preemptions, which grow with the machine's load.
voluntary_wakeups() {
  cat /proc/"$1"/task/*/status 2>/dev/null | awk '/^voluntary_ctxt_switches:/ {n += $2} END {print n}'
}
