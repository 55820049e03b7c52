#!/usr/bin/env bash
# The Debian package on this machine: installed with its dependencies, the
# installed files validated, the program started the way the applications
# menu starts it (the desktop entry's Exec line) with a clock file, F1 handing
# the installed help document to the desktop's opener, the frame closed
# through the window manager, the clock file written; then the package is
# removed again. Needs root (or sudo). $1 is the .deb file.
set -uo pipefail
deb="$(realpath "${1:?usage: package_smoke.sh pendulor_VERSION_ARCH.deb}")"
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib.bash"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
apt_quiet() { DEBIAN_FRONTEND=noninteractive $SUDO apt-get "$@" -y -qq >/dev/null 2>&1; }

dpkg-query -W -f='${Status}' pendulor 2>/dev/null | grep -q "ok installed" &&
  fail "pendulor is installed already: remove it first"
removed=""
remove_package() { [ -n "$removed" ] || apt_quiet remove pendulor; removed=1; }
e2e_start
trap 'e2e_cleanup; remove_package' EXIT
apt_quiet install --no-install-recommends "$deb" || fail "apt-get could not install $deb"

entry="$(dpkg -L pendulor | grep '^/usr/share/applications/.*\.desktop$')"
[ -n "$entry" ] || fail "the package holds no desktop entry"
id="$(basename "$entry" .desktop)"
for f in /usr/bin/Pendulor "/usr/share/metainfo/$id.metainfo.xml" "/usr/share/icons/hicolor/scalable/apps/$id.svg" \
         /usr/share/pendulor/Pendulor.html; do
  [ -f "$f" ] || fail "$f is not installed"
done
# Every library the package depends on is there: the installed program runs.
version="$(env -u DISPLAY /usr/bin/Pendulor --version 2>&1)" || fail "/usr/bin/Pendulor --version: $version"
package_version="$(dpkg-query -W -f='${Version}' pendulor)"
[[ "$version" == "Pendulor $package_version"* ]] || fail "--version says '$version' for package $package_version"
desktop-file-validate "$entry" || fail "desktop-file-validate: $entry"
appstreamcli validate --no-net "/usr/share/metainfo/$id.metainfo.xml" >/dev/null ||
  fail "appstreamcli validate: $(appstreamcli validate --no-net "/usr/share/metainfo/$id.metainfo.xml")"

# The opener only notes what it was asked to open.
mkdir -p "$work/bin"
opened="$work/opened.txt"
printf '#!/bin/sh\nprintf "%%s\\n" "$*" >>"%s"\n' "$opened" >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
export PATH="$work/bin:$PATH"

printf '[NAME]\r\nCaption=Tokyo\r\nOffset=+0900\r\n' >"$work/Tokyo.dat"
# The Exec line with its field code, as a launcher expands it for one file.
exec_line="$(sed -n 's/^Exec=//p' "$entry" | head -1)"
[ -n "$exec_line" ] || fail "the desktop entry has no Exec line"
read -r -a command <<<"${exec_line//%F/$work/Tokyo.dat}"
(cd / && exec "${command[@]}") &
app=$!
pids+=($app)
win="$(frame_window)"
[ -n "$win" ] || fail "the installed program showed no frame"
sleep 0.5
[ "$(readlink "/proc/$app/exe")" = /usr/bin/Pendulor ] || fail "the desktop entry did not start /usr/bin/Pendulor"

xdotool windowactivate --sync "$win" >/dev/null 2>&1
xdotool key --window "$win" F1
for _ in $(seq 50); do [ -s "$opened" ] && break; sleep 0.1; done
grep -qx "file:///usr/share/pendulor/Pendulor.html" "$opened" || fail "F1 opened: $(cat "$opened" 2>/dev/null)"

e2e_close
grep -q $'^Caption=Tokyo\r$' "$folder/Tokyo.dat" || fail "the clock file was not written to the data folder"
[ -f "$ini" ] || fail "no settings file was written"

remove_package
[ -e /usr/bin/Pendulor ] && fail "/usr/bin/Pendulor is still there after the removal"
dpkg-query -W -f='${Status}' pendulor 2>/dev/null | grep -q "ok installed" && fail "the package is still installed"
echo "PASS: $(basename "$deb") installed, started from $id.desktop, F1 opened the installed help, the clock written, removed"
