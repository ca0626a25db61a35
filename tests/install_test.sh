#!/usr/bin/env bash
# Installs the build into a temporary prefix and runs the installed recall8 from there, with the
# installed PAUSE first on PATH, as a user of the installed copy would.
set -u
build=$1 cases=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" > /dev/null || exit 1

failed=0
for file in bin/recall8 bin/recall16 bin/signrecall bin/PAUSE; do
  [ -x "$prefix/$file" ] || { echo "not installed: $file"; failed=1; }
done
for page in recall8 recall16 signrecall; do
  [ -f "$prefix/share/man/man1/$page.1" ] || { echo "no manual page: $page.1"; failed=1; }
done

PATH="$prefix/bin:$PATH" recall8 < "$cases/recall8/worked_example.in" > "$prefix/stdout" 2> "$prefix/stderr"
status=$?
[ "$status" -eq 0 ] || { echo "installed recall8 exited with $status"; failed=1; }
cmp -s "$prefix/stdout" "$cases/recall8/worked_example.out" || { echo "installed recall8: wrong output"; failed=1; }
[ ! -s "$prefix/stderr" ] || { echo "installed recall8 wrote on standard error:"; cat "$prefix/stderr"; failed=1; }
exit "$failed"
