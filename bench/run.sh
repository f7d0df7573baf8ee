#!/bin/sh
# Measures the calculator against three other Qt windows of its size, started in turn: the
# one-line window (bench/oneline.cpp, the least a Qt program that shows text does), the empty
# window (bench/floor.cpp) and the same calculator written directly on Qt (bench/naive.cpp).
# For each: wall time from exec to the window mapped and to its first frame drawn, and peak
# memory; then the CPU cost of one keystroke. Usage: bench/run.sh [RUNS]   (default 21); builds
# a Release tree in build-bench.
set -eu
cd "$(dirname "$0")/.."
runs="${1:-21}"
build=build-bench
tools/install-deps --test
. tools/lib.sh
ensure_packages libxcb-damage0-dev
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DVD_BUILD_BENCH=ON >/dev/null
cmake --build "$build" -j "$(nproc)" >/dev/null

work="$(mktemp -d)"
start_xvfb "$work"
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT INT TERM
unset QT_QPA_PLATFORM
XDG_RUNTIME_DIR="$work"
export XDG_RUNTIME_DIR

programs="$build/voltage-drop $build/bench/bench_oneline $build/bench/bench_floor $build/bench/bench_naive"
# One unmeasured start of each fills the file cache.
for program in $programs; do "$build/bench/bench_startup" 200 "$program" >/dev/null; done
for _ in $(seq "$runs"); do
  for program in $programs; do printf '%s ' "$("$build/bench/bench_startup" 300 "$program")"; done
  echo
done >"$work/samples"
# The keystroke figures are the median of three runs: this kind of machine has slow spells.
keys="$(for _ in 1 2 3; do "$build/bench/bench_keystroke" 2>/dev/null; done)"

python3 - "$work/samples" "$runs" <<PYTHON
import statistics, sys
median = statistics.median
names = ["calculator", "one-line window", "empty window", "plain-Qt calculator"]
rows = [list(map(float, line.split())) for line in open(sys.argv[1])]
# Per program: map ms, first paint ms, max RSS KiB.
columns = {name: list(zip(*[row[3 * i:3 * i + 3] for row in rows])) for i, name in enumerate(names)}
anchor = columns["one-line window"]
print(f"| {sys.argv[2]} runs each, in turn (medians; ratios run by run) | start to mapped | start to first paint | peak memory | first paint / one-line window | memory / one-line window |")
print("|---|---|---|---|---|---|")
for name in names:
    mapped, painted, kib = columns[name]
    paint_ratio = median(a / b for a, b in zip(painted, anchor[1]))
    memory_ratio = median(a / b for a, b in zip(kib, anchor[2]))
    print(f"| {name} | {median(mapped):.1f} ms | {median(painted):.1f} ms | {median(kib) / 1024:.1f} MiB | {paint_ratio:.3f} | {memory_ratio:.3f} |")
runs_of = {}
for line in """$keys""".strip().splitlines():
    name, value = line.split()
    runs_of.setdefault(name, []).append(float(value))
keys = {name: median(values) for name, values in runs_of.items()}
print()
print("| one keystroke in the diameter field, CPU | calculator |")
print("|---|---|")
print(f"| the whole keystroke, median | {keys['keystroke_us']:.1f} µs |")
print(f"| of which the calculator's reaction (KeyUp to result) | {keys['recompute_us']:.1f} µs |")
print(f"| the whole keystroke in a full field (32,767 characters) | {keys['keystroke_full_us'] / 1000:.2f} ms |")
print(f"| of which the calculator's reaction | {keys['recompute_full_us'] / 1000:.3f} ms |")
PYTHON
