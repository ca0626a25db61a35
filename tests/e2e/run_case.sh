#!/usr/bin/env bash
# Runs one end-to-end case as a user would: CASE.in on standard input, then checks byte for byte
# that standard output is CASE.out and standard error is CASE.err (empty where there is none),
# and that the exit status is 0.
# usage: run_case.sh [--windows] PROGRAM CASE [RUNNER...]
#   RUNNER, such as an emulator, goes before PROGRAM. With --windows every expected line ends in
#   CR LF, and what the command interpreter's own PAUSE prints after the last line is not compared.
set -u
windows=0
[ "$1" = --windows ] && { windows=1; shift; }
program=$1 case=$2
shift 2
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

PATH="$here/stub:$PATH" "$@" "$program" < "$case.in" > "$work/stdout" 2> "$work/stderr"
status=$?

expected_out=$case.out
expected_err=/dev/null
[ -f "$case.err" ] && expected_err=$case.err
if [ "$windows" -eq 1 ]; then
  sed 's/$/\r/' "$expected_out" > "$work/expected_out"
  sed 's/$/\r/' "$expected_err" > "$work/expected_err"
  expected_out=$work/expected_out expected_err=$work/expected_err
  head -c "$(wc -c < "$expected_out")" "$work/stdout" > "$work/stdout_before_pause"
  mv "$work/stdout_before_pause" "$work/stdout"
fi

failed=0
if [ "$status" -ne 0 ]; then
  echo "exit status $status, expected 0"; failed=1
fi
if ! cmp -s "$expected_out" "$work/stdout"; then
  echo "standard output differs (expected, then actual; \$ marks each line end):"
  diff <(cat -A "$expected_out") <(cat -A "$work/stdout"); failed=1
fi
if ! cmp -s "$expected_err" "$work/stderr"; then
  echo "standard error differs (expected, then actual):"
  diff <(cat -A "$expected_err") <(cat -A "$work/stderr"); failed=1
fi
exit "$failed"
