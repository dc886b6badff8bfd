#!/usr/bin/env bash
# The manual page and --help agree: every option --help names is documented,
# and every option of the program's own is accepted and exits with 0.
# Usage: check_man_page.sh PROGRAM MAN_PAGE
set -euo pipefail
program=$1 page=$2

fail() { echo "FAIL: $*" >&2; exit 1; }

rendered=$(MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null || true)
[ -z "$rendered" ] || fail "man reports: $rendered"
whole_page=$(MANWIDTH=80 man -E UTF-8 -l "$page" 2>/dev/null)
options_section=$(sed -n '/^OPTIONS/,/^[A-Z]/p' <<<"$whole_page")

help_options=$(env -u DISPLAY "$program" --help | grep -oE '(^|[[ |])--?[a-z-]+' | grep -oE -- '--?[a-z-]+' | sort -u)
[ -n "$help_options" ] || fail "--help shows no options"
for option in $help_options; do
  grep -qE -- "(^|[ ,])$option([ ,]|\$)" <<<"$whole_page" || fail "$option is not documented"
done

page_options=$(grep -oE -- '(^|[ ,])--?[a-z][a-z-]*' <<<"$options_section" | grep -oE -- '--?[a-z-]+' | sort -u)
for option in $page_options; do
  env -u DISPLAY "$program" "$option" >/dev/null || fail "documented $option is refused"
done
echo "options in --help: $(echo $help_options); in the manual page: $(echo $page_options)"
