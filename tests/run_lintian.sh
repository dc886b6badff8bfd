#!/usr/bin/env bash
# Builds the Debian package from a configured build tree and runs lintian on
# it: any error or warning fails. With --hardened, the information tags that
# would show the hardening or the stripping undone fail too.
# Usage: run_lintian.sh BUILD_DIR [--hardened]
set -euo pipefail
build=$1 hardened=${2:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB -B "$work" >/dev/null)
status=0
lintian --fail-on error,warning --info --display-info --tag-display-limit 0 "$work"/*.deb | tee "$work/tags" || status=$?
[ "$status" -eq 0 ] || exit "$status"
if [ "$hardened" = --hardened ] && grep -E 'hardening-no-|binary-has-unneeded-section|unstripped-binary' "$work/tags"; then
  echo "FAIL: the binary lost its hardening or stripping" >&2
  exit 1
fi
