#!/usr/bin/env bash
# Runs a command on an X server of its own (a private Xvfb), stopped after it
# by its PID, with the command's exit status.
#
#   with_x_server.sh <command> [<argument>...]
set -uo pipefail
source "$(dirname "$0")/../e2e/helpers.sh"
tavro_require_tools 77 "xvfb" Xvfb
tavro_start_x_server
"$@"
