#!/usr/bin/env bash
# Pendulor as a Wayland client of weston's headless compositor: it starts with
# a clock file on the command line and a saved frame position (which Wayland
# does not let it apply: nothing is reported), names its window with the
# application id, paints its frame, closes on a termination request as on any
# close, and leaves the clock file and the settings file written. Skipped (77)
# only where there is no weston. $1 is the executable.
set -uo pipefail
exe="${1:?usage: e2e_wayland.sh /path/to/Pendulor}"
source "$(dirname "${BASH_SOURCE[0]}")/lib.bash"
e2e_require weston

work="$(mktemp -d)"
pids=()
trap e2e_cleanup EXIT
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
# The socket's name is this test's own; weston refuses one that is in use.
socket="pendulor-test-$$"
weston --backend=headless-backend.so --socket="$socket" --idle-time=0 --width=1280 --height=800 \
  >"$work/weston.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/$socket" ] && break; sleep 0.1; done
[ -S "$XDG_RUNTIME_DIR/$socket" ] || fail "weston did not start: $(tail -3 "$work/weston.log")"

export WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland XDG_DATA_HOME="$work/data" PENDULOR_TRACE_STARTUP=1
unset DISPLAY
folder="$XDG_DATA_HOME/Quorvane/Pendulor"
mkdir -p "$folder"
printf '[POSITION]\r\nLeft=300\r\nTop=200\r\nWidth=700\r\nHeight=500\r\n' >"$folder/Pendulor.ini"
printf '[NAME]\r\nCaption=Tokyo\r\nOffset=+0900\r\n' >"$work/Tokyo.dat"
# The client's side of the protocol goes to standard error, one "[time] ..." line a message.
WAYLAND_DEBUG=client "$exe" "$work/Tokyo.dat" >"$work/out.txt" 2>"$work/err.txt" &
app=$!
pids+=($app)
for _ in $(seq 100); do grep -q '^startup: first paint' "$work/out.txt" && break; sleep 0.1; done
grep -q '^startup: first paint' "$work/out.txt" || fail "no first paint on Wayland: $(tail -3 "$work/err.txt")"
grep -q '^reopened: all clocks painted' "$work/out.txt" || fail "the clock from the command line was not painted"
sleep 0.5
kill -0 "$app" 2>/dev/null || fail "Pendulor ended on its own: $(tail -3 "$work/err.txt")"
grep -q 'xdg_toplevel@[0-9]*\.set_app_id("[a-z0-9_]*\.[a-z0-9_.]*pendulor")' "$work/err.txt" ||
  fail "the window's app id: $(grep -o 'set_app_id([^)]*)' "$work/err.txt" | head -1)"
# Nothing but protocol lines: the position that could not be applied is no error.
grep -v '^\[ *[0-9.]*\] ' "$work/err.txt" >"$work/said.txt"
[ -s "$work/said.txt" ] && fail "Pendulor wrote: $(head -3 "$work/said.txt")"

# weston's headless seat has no keyboard: the close request is a termination signal.
kill -TERM "$app"
wait_exit "$app" || fail "Pendulor did not end on SIGTERM"
grep -q $'^Caption=Tokyo\r$' "$folder/Tokyo.dat" 2>/dev/null || fail "the clock file was not written"
grep -q "^FileName0=$folder/Tokyo.dat"$'\r$' "$folder/Pendulor.ini" 2>/dev/null || fail "the settings file does not list the clock"
# The position Wayland did not let it apply is kept for the next X11 session.
position="$(sed -n '/^\[POSITION\]/,/^\r\?$/p' "$folder/Pendulor.ini" | tr -d '\r' | grep -E '^(Left|Top|Width|Height)=' | sort | tr '\n' ' ')"
[ "$position" = "Height=500 Left=300 Top=200 Width=700 " ] || fail "the saved position became: $position"
echo "PASS: started on weston (headless), painted the frame and the clock, closed with its files written"
