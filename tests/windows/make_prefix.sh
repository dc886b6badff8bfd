#!/usr/bin/env bash
# A fresh Wine prefix for the Windows tests (WINEPREFIX), without the .NET
# and HTML engines Wine would otherwise offer to download.
set -euo pipefail
: "${WINEPREFIX:?}"
rm -rf "$WINEPREFIX"
export WINEDLLOVERRIDES="mscoree,mshtml="
wineboot --init
wineserver --wait
[ -d "$WINEPREFIX/drive_c/windows/system32" ]
