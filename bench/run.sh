#!/usr/bin/env bash
# Measures each program against its floor program (bench/floor.c.in: the same lines, scanf, the
# pause, nothing else), both built in Release here:
#   1. whole run: median wall time (hyperfine) and user-space instructions of the program's own
#      process (callgrind), standard input from a file, standard output to /dev/null;
#   2. large input: 256 MiB of white space before a valid recall8 pattern: median wall time and
#      peak resident memory.
# usage: bench/run.sh            (needs hyperfine, valgrind and GNU time: apt-get install them)
set -euo pipefail
cd "$(dirname "$0")/.."
for tool in hyperfine valgrind python3 /usr/bin/time; do
  command -v "$tool" >/dev/null || { echo "missing: $tool"; exit 1; }
done

build=build-bench
work=$build/bench-work
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_BENCHMARKS=ON -DBUILD_TESTING=OFF > /dev/null
cmake --build "$build" --parallel > /dev/null
mkdir -p "$work"
export PATH="$PWD/$build/bin:$PATH"  # the build's PAUSE, which returns at once on a file

median() { python3 -c 'import json,sys; print(json.load(open(sys.argv[1]))["results"][int(sys.argv[2])]["median"])' "$@"; }
instructions() { valgrind --tool=callgrind --callgrind-out-file=/dev/null "$1" < "$2" 2>&1 >/dev/null |
                 sed -n 's/.*Collected : //p'; }
peak_kib() { /usr/bin/time -f %M "$1" < "$2" 2>&1 >/dev/null | tail -n 1; }
ratio() { python3 -c 'import sys; print(f"{float(sys.argv[1]) / float(sys.argv[2]):.3f}")' "$@"; }

printf '%-11s %12s %12s %7s %12s %12s %7s\n' program "run ms" "floor ms" ratio instr "floor instr" ratio
for program in recall8 recall16 signrecall; do
  input=tests/e2e/$program/worked_example.in
  hyperfine --warmup 20 --runs 300 --style none --export-json "$work/$program.json" \
    "$build/bin/floor_$program < $input > /dev/null" "$build/bin/$program < $input > /dev/null" > /dev/null
  floor_s=$(median "$work/$program.json" 0) program_s=$(median "$work/$program.json" 1)
  floor_i=$(instructions "$build/bin/floor_$program" "$input") program_i=$(instructions "$build/bin/$program" "$input")
  printf '%-11s %12.3f %12.3f %7s %12s %12s %7s\n' "$program" "$(ratio "$program_s" 0.001)" \
    "$(ratio "$floor_s" 0.001)" "$(ratio "$program_s" "$floor_s")" "$program_i" "$floor_i" "$(ratio "$program_i" "$floor_i")"
done

big=$work/white-space-then-pattern.txt
if [ ! -f "$big" ]; then
  { yes $' \t ' | head -c 268435456 || true; echo 1 1 0 0 1 1 0 0; } > "$big"
fi
hyperfine --warmup 1 --runs 10 --style none --export-json "$work/large.json" \
  "$build/bin/floor_recall8 < $big > /dev/null" "$build/bin/recall8 < $big > /dev/null" > /dev/null
floor_s=$(median "$work/large.json" 0) program_s=$(median "$work/large.json" 1)
echo
echo "256 MiB of white space, then a recall8 pattern:"
echo "  median: recall8 $(ratio "$program_s" 0.001) ms, floor $(ratio "$floor_s" 0.001) ms:" \
     "recall8 is $(ratio "$floor_s" "$program_s")x as fast"
echo "  peak memory: recall8 $(peak_kib "$build/bin/recall8" "$big") KiB," \
     "floor $(peak_kib "$build/bin/floor_recall8" "$big") KiB"
