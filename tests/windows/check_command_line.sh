#!/usr/bin/env bash
# The Windows program, a GUI program without a console of its own, answers
# its command line on the streams it was started with, as on Linux.
#   check_command_line.sh CURVISTA_EXE
set -uo pipefail

exe=$1
# The answers in English: Wine takes its language from the locale.
export LC_ALL=en_US.UTF-8
out=$(mktemp)
err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
failures=0

# arguments; exit status; a line the output holds; a line the error output holds
while IFS=';' read -r arguments status out_line err_line; do
  # shellcheck disable=SC2086 # the arguments are words
  wine "$exe" $arguments >"$out" 2>"$err"
  got=$?
  tr -d '\r' <"$out" >"$out.clean"
  tr -d '\r' <"$err" >"$err.clean"
  if [ "$got" != "$status" ] ||
     { [ -n "$out_line" ] && ! grep -qxF "$out_line" "$out.clean"; } ||
     { [ -n "$err_line" ] && ! grep -qxF "$err_line" "$err.clean"; }; then
    echo "FAIL: curvista $arguments: status $got (expected $status)"
    echo "--- out:"; cat "$out.clean"; echo "--- err:"; cat "$err.clean"
    failures=$((failures + 1))
  else
    echo "ok: curvista $arguments"
  fi
  rm -f "$out.clean" "$err.clean"
done <<'TABLE'
--version;0;Curvista 1.0;
--help;0;Usage: curvista [--version | --help] [Qt options];
-style windows --version;0;Curvista 1.0;
--platform=windows -h;0;Usage: curvista [--version | --help] [Qt options];
--bogus;2;;curvista: unrecognised argument '--bogus'
-style;2;;curvista: option '-style' needs a value
TABLE
exit $((failures > 0))
