#!/usr/bin/env bash
# Editing a clock through its properties dialog on a real X server: a new
# clock (Ctrl+N), a double click on its name line, +9 hours, the Japanese
# locale and the "yyyy/mm/dd(ddd)" date format by keyboard, "Ok", and the
# clock data file written at the close. Then the dialog of clocks in four
# locales; with PENDULOR_E2E_SHOTS naming a folder (and ImageMagick's import
# present) their pictures are kept there. $1 is the Pendulor executable.
set -uo pipefail
exe="${1:?usage: e2e_edit.sh /path/to/Pendulor}"
source "$(dirname "${BASH_SOURCE[0]}")/lib.bash"
e2e_start
shots="${PENDULOR_E2E_SHOTS:-}"
[ -n "$shots" ] && { mkdir -p "$shots" || fail "cannot make $shots"; }

# Rows of the properties dialog's lists the keyboard walks to.
japanese_row=62      # "日本語Japanese (日本Japan),1041"
date_row=29          # "yyyy/mm/dd(ddd)"

keys() { local k=$1 n=$2; for _ in $(seq "$n"); do printf '%s ' "$k"; done; }

# Double-clicks the name line of the first clock in the frame $1.
open_dialog() {
  xdotool windowactivate --sync "$1" >/dev/null 2>&1
  xdotool mousemove --window "$1" 50 70 click --repeat 2 --delay 80 1
}

wait_gone() {
  for _ in $(seq 50); do xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0; sleep 0.1; done
  return 1
}

shot() { # window id or "root", file name
  [ -n "$shots" ] && command -v import >/dev/null 2>&1 && import -window "$1" "$shots/$2"
}

# Lines of one section of an INI file, without their CR.
section() { sed -n "/^\[$1\]/,/^\r\?$/p" "$2" | tr -d '\r'; }

# --- the edit round trip of a new clock ---
e2e_launch
xdotool windowactivate --sync "$win" >/dev/null 2>&1
xdotool key --window "$win" ctrl+n
sleep 0.5
open_dialog "$win"
dlg="$(e2e_window '^\(new\)$')"
[ -n "$dlg" ] || fail "the properties dialog did not open on a double click"
xdotool windowactivate --sync "$dlg" >/dev/null 2>&1
sleep 0.3
# Name field -> hours (+9) -> minutes -> font -> locale list -> time zone -> radio -> date list.
xdotool key --delay 20 Tab $(keys Up 9) Tab Tab Tab Home $(keys Down $japanese_row) \
  Tab Tab Tab Home $(keys Down $date_row)
sleep 0.3
shot "$dlg" edit-new-clock.png
xdotool key Return
wait_gone '^\(new\)$' || fail "Ok did not close the dialog"
sleep 0.5
shot "$win" edit-new-clock-after.png
e2e_close

dat="$folder/(new).dat"
[ -f "$dat" ] || fail "no clock data file $dat"
name="$(section NAME "$dat")"
date="$(section DATE "$dat")"
grep -qx 'Offset=+0900' <<<"$name" || fail "Offset is not +0900: $(tr '\n' ' ' <<<"$name")"
grep -qx 'LocaleID=1041' <<<"$name" || fail "LocaleID is not 1041: $(tr '\n' ' ' <<<"$name")"
grep -qxF 'ListFormat=yyyy/mm/dd(ddd)' <<<"$date" || fail "ListFormat is not yyyy/mm/dd(ddd): $(tr '\n' ' ' <<<"$date")"
grep -qx 'UseFormatList=1' <<<"$date" || fail "the date list is not in use: $(tr '\n' ' ' <<<"$date")"

# --- the dialog of clocks in four locales ---
for id in 1041 1025 1054 1033; do
  file="$work/City$id.dat"
  printf '[NAME]\r\nCaption=City%s\r\nLocaleID=%s\r\nOffset=+0900\r\n\r\n[DATE]\r\nUseFormatList=1\r\nListFormat=dddd, mmmm d yyyy\r\n\r\n[TIME]\r\nUseFormatList=1\r\nListFormat=AM/PM h:nn:ss\r\n\r\n' \
    "$id" "$id" >"$file"
  e2e_launch "$file"
  open_dialog "$win"
  dlg="$(e2e_window "^City$id\$")"
  [ -n "$dlg" ] || fail "the properties dialog did not open for the clock in $id"
  xdotool windowactivate --sync "$dlg" >/dev/null 2>&1
  sleep 0.3
  shot "$dlg" "dialog-$id.png"
  # The date list dropped down: the samples around the clock's format.
  xdotool key --delay 20 Tab Tab Tab Tab Tab Tab F4
  sleep 0.5
  shot root "dialog-$id-dates.png"
  xdotool key Escape
  sleep 0.2
  xdotool key Escape
  wait_gone "^City$id\$" || fail "Escape did not close the dialog for $id"
  e2e_close
  # Closed without "Ok": the clock keeps its locale and offset.
  saved="$(section NAME "$folder/City$id.dat")"
  grep -qx "LocaleID=$id" <<<"$saved" || fail "the cancelled dialog changed the locale of City$id"
  grep -qx 'Offset=+0900' <<<"$saved" || fail "the cancelled dialog changed the offset of City$id"
done
echo "PASS: edited clock saved with +0900, 1041 and yyyy/mm/dd(ddd); dialogs of 1041, 1025, 1054, 1033 opened and cancelled"
