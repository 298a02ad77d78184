#!/usr/bin/env bash
# The page's start-up against a floor page, in headless Debian Chromium: the
# time from navigation until the first window takes a key in its first
# field, the two pages alternately, RUNS times each (20 by default), and the
# medians. The floor has the same page and style sheet and a module from the
# same toolchain that shows one field (floor.cpp). Then the memory: the
# page's JavaScript heap plus its WebAssembly memory after 500 mode switches,
# against after the first one.
#
#   bench/web/run.sh [RUNS]     (after tools/web --build-only; 0 RUNS: memory only)
set -euo pipefail
cd "$(dirname "$0")/../.."
runs=${1:-20}
site=build/web/site
[ -f "$site/tavro.wasm" ] || { echo "bench/web: build the site first (tools/web --build-only)" >&2; exit 1; }
floor=build/web/floor-site
rm -rf "$floor"
cp -r "$site" "$floor"
NODE_PATH=/usr/share/nodejs em++ -std=c++20 -Os -fexceptions -flto --bind -sMODULARIZE=1 \
  -sEXPORT_NAME=createTavro -sENVIRONMENT=web -sFILESYSTEM=0 -sDYNAMIC_EXECUTION=0 \
  -sTEXTDECODER=2 -sALLOW_MEMORY_GROWTH=1 bench/web/floor.cpp -o "$floor/tavro.js"
NODE_PATH=tests/programs/web/node_modules exec node bench/web/startup.js "$site" "$floor" "$runs"
