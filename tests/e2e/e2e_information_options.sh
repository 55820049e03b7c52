#!/usr/bin/env bash
# --version and --help print to standard output and exit 0 without opening a
# window: they work with no display at all. $1 is the Pendulor executable.
set -uo pipefail
exe="${1:?usage: e2e_information_options.sh /path/to/Pendulor}"
fail() { echo "FAIL: $*"; exit 1; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# A data folder of its own: a start that went too far would write there.
export XDG_DATA_HOME="$work/data"
for option in --version --help; do
  env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb timeout 10 "$exe" "$option" >"$work/out" 2>"$work/err"
  rc=$?
  [ "$rc" -eq 0 ] || fail "$option exited $rc: $(cat "$work/err")"
  [ -s "$work/err" ] && fail "$option wrote to standard error: $(cat "$work/err")"
  case "$option" in
    --version) grep -qx 'Pendulor [0-9.]*' "$work/out" || fail "--version printed: $(cat "$work/out")" ;;
    --help) head -1 "$work/out" | grep -qx 'Usage: Pendulor \[FILE.dat ...\]' || fail "--help printed: $(head -3 "$work/out")" ;;
  esac
done
[ -e "$XDG_DATA_HOME" ] && fail "an information option created the data folder"
echo "PASS: --version and --help print and exit without a display"
