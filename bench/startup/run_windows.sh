#!/usr/bin/env bash
# The start-up benchmark of the Windows build, under Wine: tavro.exe beside
# the floor program built for Windows the same way (static Qt), both started
# through Wine on the driver's private Xvfb, alternately. Wine's server is
# kept running between the runs, so the figures compare the two programs.
# They are Wine figures, not Windows ones.
#
#   bench/startup/run_windows.sh [runs [options]]   (30 runs of each by default)
#
# tools/windows builds the Windows programs first (build/windows/program); the
# driver itself is built here for Linux, as bench/startup/run.sh builds it.
set -euo pipefail
cd "$(dirname "$0")/../.."
source tools/dependencies.sh
tavro_ensure_packages "${TAVRO_BUILD_PACKAGES[@]}" pkgconf libxcb1-dev libxcb-xtest0-dev xvfb wine wine64

runs=${1:-30}
windows=$PWD/build/windows/program/bin
for program in tavro.exe tavro_floor.exe; do
  [ -f "$windows/$program" ] || { echo "no $windows/$program: run tools/windows first" >&2; exit 1; }
done
build=${TAVRO_BENCH_BUILD_DIR:-build/startup-bench}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DTAVRO_BUILD_DESKTOP=ON -DTAVRO_BUILD_TESTS=OFF \
  -DTAVRO_BUILD_FUZZERS=OFF -DTAVRO_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$build" -j "$(nproc)" --target tavro_startup_bench >/dev/null

source tools/wine.sh
tavro_wine_environment "${WINEPREFIX:-$PWD/build/windows/program/wine}"
work=$(mktemp -d)
trap 'tavro_wine_stop; rm -rf "$work"' EXIT
# The driver starts a program by its path alone: one small launcher each.
for program in tavro tavro_floor; do
  printf '#!/bin/sh\nexec wine %q\n' "$windows/$program.exe" >"$work/$program"
  chmod +x "$work/$program"
done
# The prefix is made (the first time) before the runs, then Wine's server is
# kept running; Wine's services start with the first program, on the
# driver's X server.
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wineboot --init </dev/null >/dev/null 2>&1
  wineserver -w
fi
wineserver -p
"$build/bin/tavro_startup_bench" --tavro "$work/tavro" --floor "$work/tavro_floor" --runs "$runs" "${@:2}"
