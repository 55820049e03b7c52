#!/usr/bin/env bash
# A clock that follows a time zone, on a real X server: with the process in
# Tokyo's zone, a clock file holding TimeZone=America/New_York (and a stale
# Offset) runs, and at the close its file holds the zone and New York's offset
# from Tokyo as of that moment (-1400 in December, -1300 in summer), worked
# out here with date(1). With PENDULOR_E2E_SHOTS naming a folder the frame's
# picture is kept there. $1 is the Pendulor executable.
set -uo pipefail
exe="${1:?usage: e2e_timezone.sh /path/to/Pendulor}"
source "$(dirname "${BASH_SOURCE[0]}")/lib.bash"
e2e_start
shots="${PENDULOR_E2E_SHOTS:-}"
[ -n "$shots" ] && { mkdir -p "$shots" || fail "cannot make $shots"; }

# Minutes east of UTC of a zone now, from date(1).
minutes_of() {
  local z; z="$(TZ="$1" date +%z)"
  local sign=1; [ "${z:0:1}" = "-" ] && sign=-1
  echo $(( sign * (10#${z:1:2} * 60 + 10#${z:3:2}) ))
}
section() { sed -n "/^\[$1\]/,/^\r\?$/p" "$2" | tr -d '\r'; }

export TZ=Asia/Tokyo
file="$work/NewYork.dat"
printf '[NAME]\r\nCaption=New York\r\nLocaleID=1033\r\nOffset=+0300\r\nTimeZone=America/New_York\r\n\r\n[DATE]\r\nUseFormatList=1\r\nListFormat=yyyy/mm/dd\r\n\r\n[TIME]\r\nUseFormatList=1\r\nListFormat=hh:nn:ss\r\n\r\n' >"$file"

e2e_launch "$file"
sleep 1
[ -n "$shots" ] && command -v import >/dev/null 2>&1 && import -window "$win" "$shots/timezone-new-york.png"
before="$(( $(minutes_of America/New_York) - $(minutes_of Asia/Tokyo) ))"
e2e_close
after="$(( $(minutes_of America/New_York) - $(minutes_of Asia/Tokyo) ))"
[ "$before" = "$after" ] || { echo "skipped: a transition happened during the run"; exit 77; }

dat="$folder/New York.dat"
[ -f "$dat" ] || fail "no clock data file $dat"
name="$(section NAME "$dat")"
sign="+"; [ "$before" -lt 0 ] && sign="-"
abs=${before#-}
expected="$(printf 'Offset=%s%02d%02d' "$sign" $((abs / 60)) $((abs % 60)))"
grep -qx "$expected" <<<"$name" || fail "expected $expected: $(tr '\n' ' ' <<<"$name")"
tail -1 <<<"$(grep -v '^$' <<<"$name")" | grep -qx 'TimeZone=America/New_York' \
  || fail "TimeZone is not the last key of NAME: $(tr '\n' ' ' <<<"$name")"
echo "ok: $expected, TimeZone=America/New_York"
