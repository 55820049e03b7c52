#!/usr/bin/env bash
# Monkey soak: drives the real program on a private X server with random but
# legal input drawn from a fixed seed (keys and shortcuts, clicks and drags on
# the clocks and the frame, every menu, the dialogs opened, changed, confirmed
# or cancelled, clocks made and closed), then ends it with SIGTERM and checks:
# no crash, no sanitizer report, no error report, every file reads back.
#
#   monkey.sh EXE READBACK [SECONDS [SEED [PREFERRED_EXE]]]
#
# EXE is the Pendulor executable; PREFERRED_EXE (an ASan + UBSan build) is
# driven instead when it exists and is newer than EXE. READBACK is the
# SoakReadBack checker. Clear Restart is answered No or Cancel only, and
# every opener is a recording stand-in, so nothing leaves the machine.
set -uo pipefail
exe="${1:?usage: monkey.sh EXE READBACK [SECONDS [SEED [PREFERRED_EXE]]]}"
readback="${2:?usage: monkey.sh EXE READBACK [SECONDS [SEED [PREFERRED_EXE]]]}"
seconds="${3:-60}"
seed="${4:-20261210}"
preferred="${5:-}"
if [ -n "$preferred" ] && [ -x "$preferred" ] && [ "$preferred" -nt "$exe" ]; then
  exe="$preferred"
fi
exe="$(cd "$(dirname "$exe")" && pwd)/$(basename "$exe")"
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib.bash"
e2e_start wmctrl
echo "soak: $exe for ${seconds}s, seed $seed"

# Everything the program may write or start stays in $work.
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_CURRENT_DESKTOP=GNOME
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$work/bin" "$work/san"
unset DBUS_SESSION_BUS_ADDRESS SESSION_MANAGER
opened="$work/opened.txt"
for name in xdg-open x-www-browser gnome-www-browser sensible-browser sensible-editor \
            gnome-control-center gio kde-open kde-open5 xdg-email recording-browser; do
  printf '#!/bin/sh\nprintf "%%s %%s\\n" "$(basename "$0")" "$*" >>"%s"\n' "$opened" >"$work/bin/$name"
  chmod +x "$work/bin/$name"
done
export PATH="$work/bin:$PATH" BROWSER="$work/bin/recording-browser"
export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1:log_path=$work/san/asan"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:log_path=$work/san/ubsan"
applog="$work/app.log"
# SOAK_KEEP=folder keeps the program's log, the stand-ins' record, sanitizer
# reports, the keys sent and a screenshot every 50 actions there.
keep="${SOAK_KEEP:-}"
if [ -n "$keep" ]; then
  mkdir -p "$keep"
  trap 'cp -r "$applog" "$opened" "$work/san" "$keep"/ 2>/dev/null; e2e_cleanup' EXIT
fi

RANDOM=$seed
actions=0 starts=0 exits=0 restarts=0 dialogs=0
pick() { echo $((RANDOM % $1)); }

sanitizer_reports() { ls "$work/san" 2>/dev/null | wc -l; }
stop_on_report() {
  if [ "$(sanitizer_reports)" -gt 0 ]; then
    cat "$work"/san/* | head -60
    fail "sanitizer report after $actions actions"
  fi
}

# The process id of the instance showing windows on our display, if any.
instance() {
  local w
  for w in $(xdotool search --classname '^Pendulor$' 2>/dev/null); do
    xdotool getwindowpid "$w" 2>/dev/null
  done | sort -u | tail -1
}

# Sets app and win for a running instance: its first visible window is the frame.
attach() {
  app="$1"
  win=""
  for _ in $(seq 100); do
    win="$(xdotool search --onlyvisible --pid "$app" 2>/dev/null | head -1)"
    [ -n "$win" ] && break
    sleep 0.1
  done
  [ -n "$win" ] || fail "no window of process $app"
  pids+=("$app")
  sleep 0.3
}

launch() {
  "$exe" >>"$applog" 2>&1 &
  child=$!
  starts=$((starts + 1))
  attach "$child"
}

# An instance may end by the user's hand (Exit, Alt+Space > Close, the
# frame's context menu, Clear Restart): one started here must have ended with
# status 0; one that Clear Restart started is not our child, so its crashes
# show only as sanitizer reports (use the asan build). A new instance from
# Clear Restart is taken over, otherwise the program is started again.
check_alive() {
  kill -0 "$app" 2>/dev/null && return 0
  stop_on_report
  if [ "$app" = "${child:-}" ]; then
    wait "$app"
    local status=$?
    [ "$status" -eq 0 ] || fail "the program ended with status $status after $actions actions"
  fi
  exits=$((exits + 1))
  sleep 1.5
  local next
  next="$(instance)"
  if [ -n "$next" ] && [ "$next" != "$app" ]; then
    restarts=$((restarts + 1))
    child=""
    attach "$next"
  else
    launch
  fi
}

geometry() {
  eval "$(xdotool getwindowgeometry --shell "$win" 2>/dev/null)" || { WIDTH=400; HEIGHT=300; }
}
random_point() {
  geometry
  px=$(pick $((WIDTH > 2 ? WIDTH : 2)))
  py=$(pick $((HEIGHT > 2 ? HEIGHT : 2)))
}
key() {
  [ -n "$keep" ] && echo "$actions key $*" >>"$keep/actions.txt"
  xdotool key "$@" 2>/dev/null
  sleep 0.15
}
text() {
  local chars=abcdefghijklmnopqrstuvwxyz0123456789 s="" i
  for i in $(seq $(($(pick 8) + 1))); do s+="${chars:$(pick ${#chars}):1}"; done
  xdotool type --delay 20 "$s" 2>/dev/null
}
downs() { local i; for i in $(seq "$1"); do key Down; done; }

# Dialog keys: move around, change something, then confirm or cancel.
work_dialog() {
  dialogs=$((dialogs + 1))
  local i
  for i in $(seq $(pick 6)); do
    case $(pick 6) in
      0) key Tab ;;
      1) key shift+Tab ;;
      2) key Down ;;
      3) key Up ;;
      4) key space ;;
      5) text ;;
    esac
  done
  if [ "$(pick 2)" -eq 0 ]; then key Return; else key Escape; fi
}

# File menu items by their access keys; Clear Restart answered No or Cancel.
file_menu() {
  key alt+f
  case $(pick 20) in
    0|1|2|3|4) key n ;;
    5|6) key o; sleep 0.5; work_dialog; key Escape ;;
    7|8) key m ;;
    9|10|11) key s; downs $(pick 4); key Return; sleep 0.3; key Escape ;;
    12) key x ;;
    13|14)
      key c; sleep 0.5
      if [ "$(pick 2)" -eq 0 ]; then key n; else key Escape; fi ;;
    *) key Escape ;;
  esac
}

# Window, View and Help: any item, reached with the arrow keys.
other_menu() {
  key "alt+$(echo w v h | cut -d' ' -f$(($(pick 3) + 1)))"
  downs $(pick 12)
  if [ "$(pick 4)" -eq 0 ]; then key Escape; else key Return; fi
  sleep 0.3
  [ "$(pick 2)" -eq 0 ] && work_dialog
}

# A clock's context menu (or the frame's) at a random point.
context_menu() {
  random_point
  xdotool mousemove --window "$win" "$px" "$py" click 3 2>/dev/null
  sleep 0.3
  case $(pick 8) in
    0) key m ;;
    1) key e; sleep 0.5; work_dialog ;;
    2) key n; key f; sleep 0.5; work_dialog ;;
    3) key d; downs $(pick 4); key Return ;;
    4) key t; downs $(pick 4); key Return ;;
    5) key c ;;
    *) downs $(pick 6); key Escape ;;
  esac
}

pointer() {
  random_point
  [ -n "$keep" ] && echo "$actions pointer at $px,$py" >>"$keep/actions.txt"
  case $(pick 5) in
    0|1) xdotool mousemove --window "$win" "$px" "$py" click 1 2>/dev/null ;;
    2) xdotool mousemove --window "$win" "$px" "$py" click --repeat 2 1 2>/dev/null; sleep 0.5; work_dialog ;;
    *)
      xdotool mousemove --window "$win" "$px" "$py" mousedown 1 2>/dev/null
      random_point
      xdotool mousemove --window "$win" "$px" "$py" 2>/dev/null
      sleep 0.1
      xdotool mouseup 1 2>/dev/null ;;
  esac
  sleep 0.15
}

shortcut_keys() {
  case $(pick 9) in
    0|1) key ctrl+n ;;
    2) key ctrl+o; sleep 0.5; work_dialog; key Escape ;;
    3) key F1 ;;
    4) key alt+Return; sleep 0.3; work_dialog ;;
    5) key alt+space; downs $(pick 9); key Return; sleep 0.3 ;;
    6) key Escape ;;
    7) key "$(echo Tab Left Right Up Down space Return | cut -d' ' -f$(($(pick 7) + 1)))" ;;
    8) text ;;
  esac
}

# The window manager's own states would leave the rest of the run talking to
# nobody: a frame shaded by a double click on its title, minimised, or dragged
# off the screen is brought back, as its user would.
# Stay OnTop and the title bar give the frame a new native window: the old id
# is then gone, and a minimised frame could never be brought back through it.
# The frame is the first window the window manager lists for the process.
refind_frame() {
  xdotool getwindowname "$win" >/dev/null 2>&1 && return 0
  local found
  found="$(wmctrl -lp 2>/dev/null | awk -v p="$app" '$3 == p {print $1; exit}')"
  [ -n "$found" ] && win="$((found))"
}
bring_back() {
  refind_frame
  wmctrl -i -r "$win" -b remove,shaded 2>/dev/null
  geometry
  if [ "${X:-0}" -lt 0 ] || [ "${Y:-0}" -lt 0 ] || [ "${X:-0}" -gt 1200 ] || [ "${Y:-0}" -gt 720 ]; then
    wmctrl -i -r "$win" -e 0,0,0,-1,-1 2>/dev/null
  fi
  wmctrl -i -a "$win" 2>/dev/null
}

launch
deadline=$((SECONDS + seconds))
while [ $SECONDS -lt $deadline ]; do
  case $(pick 20) in
    0|1|2) file_menu ;;
    3|4|5) other_menu ;;
    6|7|8) context_menu ;;
    9|10|11|12|13) pointer ;;
    14|15|16) shortcut_keys ;;
    17) xdotool windowactivate "$win" 2>/dev/null ;;
    *) key Escape ;;
  esac
  actions=$((actions + 1))
  check_alive
  if [ -n "$keep" ] && [ $((actions % 50)) -eq 0 ]; then
    import -window root "$keep/shot-$actions.png" 2>/dev/null
  fi
  [ $((actions % 5)) -eq 0 ] && bring_back
  [ $((actions % 25)) -eq 0 ] && stop_on_report
done

# The end as at a logout: a normal close, whatever dialog is open.
kill -TERM "$app"
wait_exit "$app" || fail "SIGTERM did not end the program"
if [ "$app" = "${child:-}" ]; then
  wait "$app"
  status=$?
  [ "$status" -eq 0 ] || fail "the program ended with status $status after SIGTERM"
fi
stop_on_report
grep -E 'E\.Message=|runtime error|AddressSanitizer|QFATAL|terminate called' "$applog" && fail "error reports in the program's log"
[ -f "$ini" ] || fail "no settings file after the final close"
shopt -s nullglob
clocks=("$folder"/*.dat)
"$readback" "$ini" "${clocks[@]}" || fail "files do not read back"
echo "PASS: $actions actions in ${seconds}s (seed $seed): $starts starts, $exits ends by the user," \
  "$restarts taken over after Clear Restart, $dialogs dialogs worked," \
  "${#clocks[@]} clock files and the settings file read back;" \
  "$(wc -l <"$opened" 2>/dev/null || echo 0) hand-overs to the opener stand-ins"
