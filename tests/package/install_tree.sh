#!/usr/bin/env bash
# `cmake --install` into an empty prefix puts exactly the expected files there,
# and the desktop entry and the AppStream data pass their validators.
# $1 is the build folder, $2 the application id.
set -uo pipefail
build="${1:?usage: install_tree.sh BUILD_DIR APPLICATION_ID}"
id="${2:?usage: install_tree.sh BUILD_DIR APPLICATION_ID}"
fail() { echo "FAIL: $*"; exit 1; }
for tool in desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool is missing"; exit 77; }
done
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"

expected="bin/Pendulor
share/applications/$id.desktop
share/metainfo/$id.metainfo.xml
share/pendulor/Pendulor.html
share/doc/pendulor/copyright
share/icons/hicolor/scalable/apps/$id.svg"
for size in 16 24 32 48 64 128 256; do
  expected+=$'\n'"share/icons/hicolor/${size}x${size}/apps/$id.png"
done
actual="$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | sort)"
[ "$actual" = "$(sort <<<"$expected")" ] || fail "installed files differ:
$(diff <(sort <<<"$expected") <(echo "$actual"))"
[ -x "$prefix/bin/Pendulor" ] || fail "bin/Pendulor is not executable"

desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >"$prefix/appstream.txt" 2>&1 ||
  fail "appstreamcli validate: $(cat "$prefix/appstream.txt")"
# One id everywhere: the entry's icon, the AppStream id and the launchable.
grep -qx "Icon=$id" "$prefix/share/applications/$id.desktop" || fail "the desktop entry's icon is not $id"
grep -q "<id>$id</id>" "$prefix/share/metainfo/$id.metainfo.xml" || fail "the AppStream id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$prefix/share/metainfo/$id.metainfo.xml" ||
  fail "the AppStream data does not launch $id.desktop"
echo "PASS: $(wc -l <<<"$expected") files installed, both validators content"
