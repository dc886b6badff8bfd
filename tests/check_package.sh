#!/usr/bin/env bash
# Builds the Debian package from a configured build tree, unpacks it into a
# scratch root and checks what a desktop finds there.
set -euo pipefail

build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$work/package" >/dev/null)
deb=$(ls "$work"/package/*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
grep -q 'fonts-thai-tlwg' <<<"$depends" || fail "no dependency on the Thai fonts"
grep -q 'libqt6widgets6' <<<"$depends" || fail "shared-library dependencies were not computed"

root="$work/root"
dpkg -x "$deb" "$root"
for file in usr/bin/curvista \
            usr/share/applications/org.example.Curvista.desktop \
            usr/share/metainfo/org.example.Curvista.metainfo.xml \
            usr/share/icons/hicolor/32x32/apps/org.example.Curvista.png \
            usr/share/icons/hicolor/scalable/apps/org.example.Curvista.svg; do
  [ -e "$root/$file" ] || fail "missing $file"
done
[ "$(identify -format '%wx%h' "$root/usr/share/icons/hicolor/32x32/apps/org.example.Curvista.png")" = 32x32 ] \
  || fail "the PNG icon is not 32 x 32"

desktop-file-validate "$root/usr/share/applications/org.example.Curvista.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.example.Curvista.metainfo.xml" >/dev/null

env -u DISPLAY "$root/usr/bin/curvista" --version | grep -q '^Curvista 1.0$' || fail "--version"

# Started headless, the installed program must still be running after 3 s.
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$root/usr/bin/curvista" >/dev/null 2>&1 || status=$?
[ "$status" -eq 124 ] || fail "the installed program exited with $status instead of running"
echo "package checks passed"
