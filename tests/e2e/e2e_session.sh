#!/usr/bin/env bash
# The end of a session on a real X server: SIGTERM and SIGHUP (what logout and
# shutdown send) close the frame as Alt+F4 does: the clock files and the
# settings file are written with the keys of a normal close, the process exits
# with 0, and the next start reopens the clocks; also with the properties
# dialog open, whose unconfirmed change is dropped. $1 is the Pendulor executable.
set -uo pipefail
exe="${1:?usage: e2e_session.sh /path/to/Pendulor}"
source "$(dirname "${BASH_SOURCE[0]}")/lib.bash"
e2e_start
clock="$folder/(new).dat"

# "SECTION/Key" for every line of the settings file, in order.
keys_of() { tr -d '\r' <"$1" | awk '/^\[/{s=$0; next} /=/{split($0, a, "="); print s "/" a[1]}'; }
entries() { keys_of "$ini" | grep -c '^\[DATAFILE\]/FileName'; }

# Sends a signal to the running instance: it must end by itself with 0
# after writing the clock file and the settings file anew.
end_by() {
  rm -f "$ini" "$clock"
  kill -s "$1" "$app"
  wait_exit "$app" || fail "$1 did not end the program"
  wait "$app"
  local status=$?
  [ "$status" -eq 0 ] || fail "$1: exit status $status"
  [ -f "$ini" ] || fail "$1: no settings file written"
  [ -f "$clock" ] || fail "$1: the clock file was not written"
  [ "$(keys_of "$ini")" = "$normal" ] || fail "$1: keys differ from a normal close: $(keys_of "$ini" | tr '\n' ' ')"
}

# Two new clocks, closed as the user closes: the keys to expect.
e2e_launch
xdotool windowactivate --sync "$win" >/dev/null 2>&1
xdotool key --window "$win" ctrl+n
sleep 0.3
xdotool key --window "$win" ctrl+n
sleep 0.5
e2e_close
normal="$(keys_of "$ini")"
[ "$(entries)" -eq 2 ] || fail "the normal close recorded $(entries) clocks"

e2e_launch
end_by TERM
e2e_launch
end_by HUP
[ "$(entries)" -eq 2 ] || fail "the clocks were not reopened after SIGTERM"

# The properties dialog open, its name changed but not confirmed.
e2e_launch
xdotool windowactivate --sync "$win" >/dev/null 2>&1
xdotool mousemove --window "$win" 50 70 click --repeat 2 --delay 80 1
dlg="$(e2e_window '^\(new\)$')"
[ -n "$dlg" ] || fail "the properties dialog did not open"
xdotool windowactivate --sync "$dlg" >/dev/null 2>&1
xdotool key ctrl+a
xdotool type Unconfirmed
sleep 0.3
end_by TERM
[ -f "$folder/Unconfirmed.dat" ] && fail "the unconfirmed name was saved"
grep -q '^Caption=(new)'$'\r'"$" "$clock" || fail "the clock file lost its name"

# Every signal left the set whole: the next start reopens both clocks.
e2e_launch
e2e_close
[ "$(entries)" -eq 2 ] || fail "after the signals the set holds $(entries) clocks"
echo "PASS: SIGTERM and SIGHUP wrote what Alt+F4 writes and exited 0, also with the properties dialog open"
