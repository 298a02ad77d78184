#!/usr/bin/env bash
# Builds Tavro, the bare-Qt floor program and the start-up benchmark in
# Release, then prints the start-up, memory and mode-switch figures as a
# Markdown table.
#
#   bench/startup/run.sh [runs [options]]   (30 runs of each program by default)
#
# Further options go to the driver: --cold-switch makes Ctrl+T the first key
# each program sees, --samples FILE writes every sample as CSV.
#
# TAVRO_BENCH_BUILD_DIR chooses the build directory (build/startup-bench by
# default). The programs run on a private Xvfb; nothing else needs a display.
set -euo pipefail
cd "$(dirname "$0")/../.."
source tools/dependencies.sh
tavro_ensure_packages "${TAVRO_BUILD_PACKAGES[@]}" libbenchmark-dev pkgconf libxcb1-dev libxcb-xtest0-dev \
  xvfb fonts-dejavu-core

runs=${1:-30}
build=${TAVRO_BENCH_BUILD_DIR:-build/startup-bench}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DTAVRO_BUILD_DESKTOP=ON -DTAVRO_BUILD_TESTS=OFF \
  -DTAVRO_BUILD_FUZZERS=OFF -DTAVRO_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$build" -j "$(nproc)" --target tavro tavro_floor tavro_startup_bench >/dev/null
"$build/bin/tavro_startup_bench" --tavro "$build/bin/tavro" --floor "$build/bin/tavro_floor" --runs "$runs" "${@:2}"
