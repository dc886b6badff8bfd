#!/usr/bin/env bash
# Builds the Debian package from a configured build tree, unpacks it into a
# scratch root and checks what a desktop finds there.
# Usage: check_package.sh BUILD_DIR APPLICATION_ID
set -euo pipefail

build=$1 id=$2
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
            usr/share/applications/$id.desktop \
            usr/share/metainfo/$id.metainfo.xml \
            usr/share/icons/hicolor/scalable/apps/$id.svg \
            usr/share/man/man1/curvista.1.gz \
            usr/share/doc/curvista/copyright \
            usr/share/doc/curvista/changelog.gz; do
  [ -e "$root/$file" ] || fail "missing $file"
done
for size in 16 22 24 32 48 64 128 256; do
  png="$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png"
  [ "$(identify -format '%wx%h' "$png")" = "${size}x${size}" ] || fail "no ${size} x ${size} PNG icon"
done
# The scalable icon draws its letters as outlines: no font needed.
grep -q '<text' "$root/usr/share/icons/hicolor/scalable/apps/$id.svg" && fail "the SVG icon has text"

desktop-file-validate "$root/usr/share/applications/$id.desktop"
appstreamcli validate --pedantic --no-net "$root/usr/share/metainfo/$id.metainfo.xml" >/dev/null

env -u DISPLAY "$root/usr/bin/curvista" --version | grep -q '^Curvista 1.0$' || fail "--version"

# Started headless, the installed program must still be running after 3 s.
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$root/usr/bin/curvista" >/dev/null 2>&1 || status=$?
[ "$status" -eq 124 ] || fail "the installed program exited with $status instead of running"

# On an X display its windows carry the class the desktop entry names, so a
# desktop can match them to the entry.
wm_class=$(sed -n 's/^StartupWMClass=//p' "$root/usr/share/applications/$id.desktop")
[ -n "$wm_class" ] || fail "the desktop entry has no StartupWMClass"
xvfb-run -a -s "-screen 0 1024x768x24" env -u QT_QPA_PLATFORM timeout 20 sh -c '
  "$1" & pid=$!
  window=$(xdotool search --sync --class "^$2\$" | head -n 1)
  xprop -id "$window" WM_CLASS | grep -q ", \"$2\"\$"
  status=$?
  kill $pid
  exit $status' sh "$root/usr/bin/curvista" "$wm_class" || fail "no window of class $wm_class"
echo "package checks passed"
