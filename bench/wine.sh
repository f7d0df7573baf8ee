#!/bin/sh
# Measures Windows builds of the calculator under Wine, started in turn, run after run: wall
# time from exec to the window mapped and to its first frame drawn (bench_startup), the
# medians, and each .exe's size. The Wine server is kept running between starts, as a Windows
# session is. Usage: bench/wine.sh RUNS PROGRAM.exe...   (after tools/windows; builds
# bench_startup in build-bench)
set -eu
cd "$(dirname "$0")/.."
runs="$1"
shift
. tools/lib.sh
ensure_packages libxcb-damage0-dev wine wine64 xvfb
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DVD_BUILD_BENCH=ON >/dev/null
cmake --build build-bench --target bench_startup >/dev/null || exit 1

work="$(mktemp -d)"
start_xvfb "$work"
WINEPREFIX="$work/wine" WINEDLLOVERRIDES="mscoree,mshtml=" WINEDEBUG=-all
export WINEPREFIX WINEDLLOVERRIDES WINEDEBUG
trap 'wineserver -k 2>/dev/null || true; kill $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT INT TERM
wineboot -i >/dev/null 2>&1
wineserver -w
wineserver -p
# One unmeasured start of each fills the file cache and Wine's own.
for program in "$@"; do build-bench/bench/bench_startup 300 wine "$program" >/dev/null; done
for _ in $(seq "$runs"); do
  for program in "$@"; do printf '%s ' "$(build-bench/bench/bench_startup 300 wine "$program")"; done
  echo
done >"$work/samples"

python3 - "$work/samples" "$@" <<PYTHON
import os, statistics, sys
rows = [list(map(float, line.split())) for line in open(sys.argv[1])]
print(f"| {len(rows)} runs each, in turn (medians) | start to mapped | start to first paint | size |")
print("|---|---|---|---|")
for i, program in enumerate(sys.argv[2:]):
    mapped = statistics.median(row[3 * i] for row in rows)
    painted = statistics.median(row[3 * i + 1] for row in rows)
    print(f"| {program} | {mapped:.0f} ms | {painted:.0f} ms | {os.path.getsize(program) / 2**20:.1f} MiB |")
PYTHON
