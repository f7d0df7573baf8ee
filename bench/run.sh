#!/bin/sh
# Measures the calculator against the bare Qt window: start-up time to the window being
# mapped (median of RUNS, alternating the two programs), peak memory, and the CPU cost of one
# keystroke. Usage: bench/run.sh [RUNS]   (default 21); builds a Release tree in build-bench.
set -eu
cd "$(dirname "$0")/.."
runs="${1:-21}"
build=build-bench
tools/install-deps --test
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DVD_BUILD_BENCH=ON >/dev/null
cmake --build "$build" -j "$(nproc)" --target voltage-drop bench_floor bench_naive bench_startup bench_keystroke >/dev/null

. tools/lib.sh
work="$(mktemp -d)"
start_xvfb "$work"
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT INT TERM
unset QT_QPA_PLATFORM
XDG_RUNTIME_DIR="$(mktemp -d)"
export XDG_RUNTIME_DIR

samples="$(mktemp)"
# One unmeasured start of each fills the file cache.
"$build/bench/bench_startup" 200 "$build/voltage-drop" >/dev/null
"$build/bench/bench_startup" 200 "$build/bench/bench_floor" >/dev/null
for _ in $(seq "$runs"); do
  ours="$("$build/bench/bench_startup" 300 "$build/voltage-drop")"
  floor="$("$build/bench/bench_startup" 300 "$build/bench/bench_floor")"
  naive="$("$build/bench/bench_startup" 300 "$build/bench/bench_naive")"
  echo "$ours $floor $naive" >>"$samples"
done
# The keystroke figures are the median of three runs: this kind of machine has slow spells.
keys="$(for _ in 1 2 3; do "$build/bench/bench_keystroke" 2>/dev/null; done)"

python3 - "$samples" "$runs" <<PYTHON
import statistics, sys
rows = [list(map(float, line.split())) for line in open(sys.argv[1])]
ours_ms, ours_kb, floor_ms, floor_kb, naive_ms, naive_kb = zip(*rows)
ratios = [a / b for a, b in zip(ours_ms, floor_ms)]
naive_ratios = [a / b for a, b in zip(naive_ms, floor_ms)]
runs_of = {}
for line in """$keys""".strip().splitlines():
    name, value = line.split()
    runs_of.setdefault(name, []).append(float(value))
keys = {name: statistics.median(values) for name, values in runs_of.items()}
median = statistics.median
print(f"| measure ({sys.argv[2]} runs each, alternating) | calculator | bare Qt window | ratio to the bare window |")
print("|---|---|---|---|")
print(f"| start-up to window mapped, median | {median(ours_ms):.1f} ms | {median(floor_ms):.1f} ms | {median(ratios):.3f} (pairwise median) |")
print(f"| peak memory (max RSS), median | {median(ours_kb)/1024:.1f} MiB | {median(floor_kb)/1024:.1f} MiB | {median(ours_kb)/median(floor_kb):.3f} |")
print(f"| the same window in plain Qt: start-up | {median(naive_ms):.1f} ms | | {median(naive_ratios):.3f} (pairwise median) |")
print(f"| the same window in plain Qt: peak memory | {median(naive_kb)/1024:.1f} MiB | | {median(naive_kb)/median(floor_kb):.3f} |")
print(f"| one keystroke in the diameter field, CPU, median | {float(keys['keystroke_us']):.1f} µs | | |")
print(f"| of which the calculator's reaction (KeyUp to result) | {float(keys['recompute_us']):.1f} µs | | |")
print(f"| one keystroke in a full diameter field (32,767 characters) | {float(keys['keystroke_full_us'])/1000:.2f} ms | | |")
print(f"| of which the calculator's reaction | {float(keys['recompute_full_us'])/1000:.2f} ms | | |")
PYTHON
rm -f "$samples"
