#!/usr/bin/env bash
# Builds the Debian package from a configured build tree and runs lintian on
# it: any error or warning fails; information tags are shown.
# Usage: run_lintian.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB -B "$work" >/dev/null)
exec lintian --fail-on error,warning --info --display-info --tag-display-limit 0 "$work"/*.deb
