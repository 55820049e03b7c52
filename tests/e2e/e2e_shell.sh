#!/usr/bin/env bash
# The shell items of the real frame, by keyboard: Help > About shows the box,
# File > ShortCut > DeskTop writes a desktop entry into the XDG desktop folder
# of a private HOME (valid, executable, and its Exec starts this executable),
# File > My Memo creates MyMemo.txt and hands it to the desktop's opener (a
# stand-in on PATH that records its arguments). $1 is the Pendulor executable;
# with $2, a screenshot of the About box is kept there.
set -uo pipefail
exe="$(readlink -f "${1:?usage: e2e_shell.sh /path/to/Pendulor [about.png]}")"
shot="${2:-}"
source "$(dirname "${BASH_SOURCE[0]}")/lib.bash"
e2e_start desktop-file-validate import

export HOME="$work/home" XDG_CONFIG_HOME="$work/config"
mkdir -p "$HOME" "$work/bin"
unset DBUS_SESSION_BUS_ADDRESS XDG_CURRENT_DESKTOP # no file manager: the folder question is declined anyway
opened="$work/opened"
cat >"$work/bin/xdg-open" <<STANDIN
#!/bin/sh
printf '%s\n' "\$*" >>"$opened"
STANDIN
chmod +x "$work/bin/xdg-open"
export PATH="$work/bin:$PATH"

windows_named() { xdotool search --onlyvisible --name "$1" 2>/dev/null | wc -l; }
key() { xdotool windowactivate --sync "$win" >/dev/null 2>&1; xdotool key --delay 80 "$@"; sleep 0.6; }

e2e_launch

# Help > About: "Help" is first, "About" second.
key alt+h Down Return
[ "$(windows_named '^Pendulor$')" -ge 2 ] || fail "no About box"
about="$(xdotool getactivewindow)"
[ "$about" != "$win" ] || fail "the About box is not the active window"
[ -n "$shot" ] && import -window root "$shot"
xdotool key Return
sleep 0.5
[ "$(windows_named '^Pendulor$')" -eq 1 ] || fail "OK did not close the About box"

# File > ShortCut > DeskTop, then OK on the report and No on the folder question.
key alt+f s Down Return
xdotool key Return
sleep 0.5
xdotool key Escape
sleep 0.5
entry="$HOME/Desktop/Pendulor.desktop"
[ -f "$entry" ] || fail "no desktop entry at $entry"
[ -x "$entry" ] || fail "the desktop's entry is not executable"
desktop-file-validate "$entry" || fail "desktop-file-validate refused $entry"
grep -q "^Comment=.* Created by Pendulor V1.2$" "$entry" || fail "no description: $(cat "$entry")"
grep -q '%F' "$entry" && fail "only Send To's entry takes files: $(grep ^Exec= "$entry")"

# The entry starts this very executable: a second frame whose process runs $exe.
if command -v gio >/dev/null 2>&1 && gio help launch >/dev/null 2>&1; then
  gio launch "$entry" >/dev/null 2>&1 &
  for _ in $(seq 100); do [ "$(windows_named '^Pendulor$')" -ge 2 ] && break; sleep 0.1; done
  second=""
  for w in $(xdotool search --onlyvisible --name '^Pendulor$'); do
    [ "$w" = "$win" ] || second="$w"
  done
  [ -n "$second" ] || fail "the desktop entry started nothing"
  pid="$(xdotool getwindowpid "$second")"
  pids+=("$pid")
  [ "$(readlink -f "/proc/$pid/exe")" = "$exe" ] || fail "the entry started $(readlink -f "/proc/$pid/exe")"
  kill "$pid"
  wait_exit "$pid" || fail "the started copy did not end"
  launched="and started it"
else
  launched="(gio launch missing: Exec not started)"
fi

# File > My Memo: its mnemonic is M.
key alt+f m
memo="$folder/MyMemo.txt"
[ -f "$memo" ] || fail "no memo at $memo"
head -c 6 "$memo" | cmp -s - <(printf '.LOG\r\n') || fail "the memo does not start with .LOG: $(od -c "$memo" | head -2)"
[ "$(wc -l <"$memo")" -eq 2 ] || fail "the memo has no stamp line: $(cat "$memo")"
for _ in $(seq 30); do [ -s "$opened" ] && break; sleep 0.1; done
grep -qF "$memo" "$opened" 2>/dev/null || fail "the opener was not asked for the memo: $(cat "$opened" 2>/dev/null)"


# A memo that cannot be read: the error reaches the frame's handler, whose
# report is the only new window, and the editor is not asked again.
rm "$memo" && mkdir "$memo"
asked="$(wc -l <"$opened")"
key alt+f m
[ "$(windows_named '^Pendulor$')" -ge 2 ] || fail "no error report for an unreadable memo"
xdotool key Return
sleep 0.5
[ "$(windows_named '^Pendulor$')" -eq 1 ] || fail "the error report did not close"
[ "$(wc -l <"$opened")" -eq "$asked" ] || fail "the editor was asked for an unreadable memo"
kill -0 "$app" 2>/dev/null || fail "the frame ended on the memo's error"

e2e_close
echo "PASS: About box shown, desktop entry written $launched, memo created and opened, its error reported"
