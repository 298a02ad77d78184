#!/usr/bin/env bash
# Wine as Tavro's Windows programs run under it, in one place. Sourced by
# tools/test, tools/windows, tools/screenshots.sh, the Windows test scripts and
# the start-up benchmark:
#
#   source tools/wine.sh
#   tavro_wine_environment PREFIX  # Wine's settings for programs in PREFIX
#   tavro_wine_start PREFIX        # and one Wine server for all of them
#   tavro_wine_stop                # ends that server and what runs on it
#   tavro_wine_ctest ARGUMENT...   # CTest for the Windows tests (see there)
#
# Run as a command, it starts one program in a prefix; CMake's presets use it
# as the emulator that runs the Windows test programs:
#
#   tools/wine.sh PREFIX PROGRAM [ARGUMENT...]

# Exports WINEPREFIX=PREFIX, with Wine's own debugging output off and no
# installer of .NET (mscoree) or of Gecko for HTML (mshtml) ever offered.
tavro_wine_environment() {
  export WINEPREFIX=${1:?usage: tavro_wine_environment PREFIX}
  export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
}

# tavro_wine_environment, then the prefix made where it is missing, one Wine
# server kept running until tavro_wine_stop (so that the programs do not each
# start and end their own), and Wine's services started by wineboot: started
# by a test program instead, they would keep its output open.
tavro_wine_start() {
  tavro_wine_environment "$@"
  mkdir -p "$WINEPREFIX"
  wineserver -p
  wineboot </dev/null >/dev/null 2>&1
}

tavro_wine_stop() {
  wineserver -k 2>/dev/null || true
}

# CTest for the Windows test programs, run under Wine: tavro_wine_ctest
# CTEST-ARGUMENT... Now and then Wine fails to start a program at all: it
# ends at once, with no output. That was seen about once in a thousand
# starts here, not once in 1,000 starts of a small program in a row on a
# loaded two-core machine, and once in the ~490 starts of a tools/windows run
# beside a full build (a test ended in 0.09 s); rare, but enough to fail a
# run of hundreds of tests. Each test therefore has a second try, for Wine's
# sake alone: a test that fails by itself fails both. (CTest's own start of
# each program, to list its tests, has none: once it failed so too.)
tavro_wine_ctest() {
  ctest --repeat until-pass:2 "$@"
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
  set -euo pipefail
  tavro_wine_environment "${1:?usage: wine.sh PREFIX PROGRAM [ARGUMENT...]}"
  shift
  exec wine "$@"
fi
