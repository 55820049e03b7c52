#!/usr/bin/env bash
# The time slider on a real X server, with this PC in Kathmandu (a quarter-hour
# offset): three zone clocks (Tokyo, New York, Lord Howe), Ctrl+T, Page Up three
# times, Ctrl+Shift+C. The clipboard holds the instant (this PC's time rounded
# down to a quarter hour, three hours on) and a line per clock whose date, time
# and offset are date(1)'s for that instant in the clock's zone. Closed with the
# moment still shown, no file holds anything of it. $1 is the Pendulor executable.
set -uo pipefail
exe="${1:?usage: e2e_moment.sh /path/to/Pendulor}"
source "$(dirname "${BASH_SOURCE[0]}")/lib.bash"
e2e_start xclip

export TZ=Asia/Kathmandu
clock_file() { # name zone
  printf '[NAME]\r\nCaption=%s\r\nLocaleID=1033\r\nOffset=+0000\r\nTimeZone=%s\r\n\r\n[DATE]\r\nUseFormatList=1\r\nListFormat=yyyy/mm/dd\r\n\r\n[TIME]\r\nUseFormatList=1\r\nListFormat=hh:nn\r\n\r\n' "$1" "$2" >"$work/$1.dat"
}
clock_file Tokyo Asia/Tokyo
clock_file "New York" America/New_York
clock_file "Lord Howe" Australia/Lord_Howe

# This PC's local time rounded down to a quarter hour, plus three hours, in
# seconds since 1970.
moment() {
  local now offset local
  now="$(date +%s)"
  offset="$(date +%z)"; local sign=1; [ "${offset:0:1}" = "-" ] && sign=-1
  offset=$(( sign * (10#${offset:1:2} * 3600 + 10#${offset:3:2} * 60) ))
  local=$(( now + offset ))
  echo $(( local - local % 900 - offset + 3 * 3600 ))
}

e2e_launch "$work/Tokyo.dat" "$work/New York.dat" "$work/Lord Howe.dat"
sleep 1
xdotool windowactivate --sync "$win" >/dev/null 2>&1
before="$(moment)"
xdotool key --clearmodifiers ctrl+t
sleep 0.5
for _ in 1 2 3; do xdotool key Prior; sleep 0.2; done
after="$(moment)"
[ "$before" = "$after" ] || { echo "skipped: a quarter hour began during the steps"; exit 77; }
xdotool key --clearmodifiers ctrl+shift+c
sleep 0.5
text="$(xclip -o -selection clipboard 2>/dev/null)"
[ -n "$text" ] || fail "the clipboard is empty"

first="$(head -1 <<<"$text")"
expected="$(date -u -d "@$before" +%Y-%m-%dT%H:%M:%SZ)"
[ "$first" = "$expected" ] || fail "instant: expected $expected, got $first"
[ "$(wc -l <<<"$text")" = 4 ] || fail "expected four lines: $text"

zones=("Tokyo|Asia/Tokyo" "New York|America/New_York" "Lord Howe|Australia/Lord_Howe")
for pair in "${zones[@]}"; do
  name="${pair%%|*}"; zone="${pair#*|}"
  z="$(TZ="$zone" date -d "@$before" +%z)"
  line="$(printf '%s\t%s\t%s\tUTC%s:%s' "$name" "$(TZ="$zone" date -d "@$before" +%Y/%m/%d)" \
          "$(TZ="$zone" date -d "@$before" +%H:%M)" "${z:0:3}" "${z:3:2}")"
  grep -qxF "$line" <<<"$text" || fail "no line '$line' in: $text"
done
echo "ok: the clipboard holds $first and the three clocks at that instant"

# The title says the moment is not now; closing keeps nothing of it.
title="$(xdotool getwindowname "$win")"
grep -q '(not now)$' <<<"$title" || fail "the title does not show the moment: $title"
e2e_close
grep -rl 'not now' "$folder" && fail "a file holds the moment's title"
tr -d '\r' <"$ini" | grep -qx 'Caption=Pendulor' || fail "the caption is not kept: $(tr -d '\r' <"$ini" | grep Caption)"
tr -d '\r' <"$ini" | grep -qx 'TimeSlider=1' || fail "no TimeSlider=1 in the settings"
shown_day="$(date -d "@$before" +%Y/%m/%d)"
# Each zone clock's stored offset is its zone's offset from this PC now.
mins() { local z; z="$(TZ="$1" date +%z)"; local s=1; [ "${z:0:1}" = "-" ] && s=-1; echo $(( s * (10#${z:1:2} * 60 + 10#${z:3:2}) )); }
for pair in "${zones[@]}"; do
  name="${pair%%|*}"; zone="${pair#*|}"
  diff=$(( $(mins "$zone") - $(mins Asia/Kathmandu) ))
  sign="+"; [ "$diff" -lt 0 ] && sign="-"; abs=${diff#-}
  offset="$(printf 'Offset=%s%02d%02d' "$sign" $((abs / 60)) $((abs % 60)))"
  tr -d '\r' <"$folder/$name.dat" | grep -qx "$offset" || fail "$name.dat: expected $offset (now, not the moment)"
done
echo "ok: closed during a moment ($shown_day), the files hold now's offsets and the plain caption"
