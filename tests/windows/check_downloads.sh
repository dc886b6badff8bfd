#!/usr/bin/env bash
# What Windows users download: the zip holds the portable folder, whose DLLs
# are exactly those its programs import (as objdump reads them) beside the
# plugins Qt loads; the installer installs that folder for the user alone
# when run silently, the installed program starts, and the uninstaller
# removes every file, the Start-menu entry and the registry entry.
#   check_downloads.sh FOLDER ZIP SETUP OBJDUMP
set -euo pipefail

folder=$1 zip=$2 setup=$3 objdump=$4
fail() { echo "FAIL: $*"; exit 1; }
lower() { tr '[:upper:]' '[:lower:]'; }
list_files() { (cd "$1" && find . -type f | sed 's|^\./||' | sort); }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "The zip holds the folder"
(cd "$work" && python3 -c 'import sys, zipfile; zipfile.ZipFile(sys.argv[1]).extractall("unzipped")' "$zip")
diff <(list_files "$folder") <(list_files "$work/unzipped/$(basename "$folder")") || fail "the zip differs from the folder"

echo "Only the DLLs the program loads"
system32=$WINEPREFIX/drive_c/windows/system32
[ -d "$system32" ] || fail "no Wine prefix at $WINEPREFIX"
imports() { "$objdump" -p "$1" | sed -n 's/^\s*DLL Name: //p' | lower; }
shipped=$(cd "$folder" && find . -maxdepth 1 -name '*.dll' | sed 's|^\./||' | lower | sort)
needed=$(find "$folder" -name '*.exe' -o -name '*.dll' | while read -r module; do imports "$module"; done | sort -u)
for dll in $needed; do
  if ! grep -qx "$dll" <<<"$shipped" && [ ! -e "$system32/$dll" ] && [[ $dll != api-ms-* ]]; then
    fail "$dll is imported but neither shipped nor part of Windows"
  fi
done
for dll in $shipped; do
  grep -qx "$dll" <<<"$needed" || fail "$dll is shipped but nothing imports it"
done
plugins=$(cd "$folder" && find . -mindepth 2 -name '*.dll' | sed 's|^\./||' | sort | tr '\n' ' ')
[ "$plugins" = "platforms/qwindows.dll styles/qwindowsvistastyle.dll " ] || fail "unexpected plugins: $plugins"

echo "The version record names the program, as the task manager shows it"
record=$(python3 -c 'import sys; print(open(sys.argv[1], "rb").read().decode("utf-16-le", "replace"))' \
  "$folder/curvista.exe" | tr -d '\0')
for pair in "CompanyName.*Brisvane" "FileDescription.*Curvista" "ProductName.*Curvista 1.0" "OriginalFilename.*CV10.exe"; do
  grep -qa "$pair" <<<"$record" || fail "the version record lacks $pair"
done

echo "The installer installs silently, for the user alone"
local_appdata=$(wine cmd /c echo %LOCALAPPDATA% | tr -d '\r')
appdata=$(wine cmd /c echo %APPDATA% | tr -d '\r')
installed=$(winepath -u "$local_appdata\\Programs\\Curvista")
shortcut=$(winepath -u "$appdata\\Microsoft\\Windows\\Start Menu\\Programs")/"Curvista (เคอร์วิสตา).lnk"
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Curvista'
wine "$setup" /S
diff <(list_files "$folder"; echo uninstall.exe) <(list_files "$installed" | sort) || fail "installed files differ"
[ -f "$shortcut" ] || fail "no Start-menu entry at $shortcut"
wine reg query "$key" /v UninstallString >/dev/null || fail "no uninstall entry in the registry"
lesson_key='HKCU\Software\Classes\.curvista'
lesson_type_key='HKCU\Software\Classes\Curvista.Lesson'
wine reg query "$lesson_key" /ve | tr -d '\r' | grep -q 'Curvista.Lesson' || fail ".curvista is not Curvista's"
wine reg query "$lesson_type_key\shell\open\command" /ve | tr -d '\r' | grep -qi 'curvista.exe" "%1"' ||
  fail "lessons do not open with Curvista"

echo "The installed program starts"
wine "$installed/curvista.exe" --version | tr -d '\r' | grep -qx "Curvista 1.0" || fail "the installed program did not answer"
if [ -n "${DISPLAY:-}" ]; then
  wine cmd /c "set QT_QPA_PLATFORM=windows&& $(winepath -w "$installed/curvista.exe")" &
  program=$!
  for _ in $(seq 200); do
    xdotool search --name '^BCV$' >/dev/null 2>&1 && break
    sleep 0.1
  done
  xdotool search --name '^BCV$' >/dev/null 2>&1 || fail "the installed program showed no control panel"
  kill "$program" 2>/dev/null || true
  wine taskkill /f /im curvista.exe >/dev/null 2>&1 || true
  wait "$program" 2>/dev/null || true
fi

echo "The uninstaller removes every file it installed"
# It copies itself away and returns at once: wait for it to finish.
wine "$installed/uninstall.exe" /S
for _ in $(seq 300); do
  [ -e "$installed" ] || break
  sleep 0.1
done
[ ! -e "$installed" ] || { list_files "$installed"; fail "files left in $installed"; }
[ ! -e "$shortcut" ] || fail "the Start-menu entry is left"
if wine reg query "$key" >/dev/null 2>&1; then fail "the registry entry is left"; fi
for left in "$lesson_key" "$lesson_type_key"; do
  if wine reg query "$left" >/dev/null 2>&1; then fail "$left is left"; fi
done
echo "ok"
