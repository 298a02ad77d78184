#!/usr/bin/env bash
# What the set-up commands tell a user who is not root: tools/start and
# tools/test print an apt-get line that works without sudo, and
# tools/install-deb stops before building anything.
#
#   setup_commands_test.sh <source tree>
set -uo pipefail
root=$1
fail=0

# A package that is certainly missing, as seen by a user whose id is not 0.
output=$( (id() { echo 1000; }
           source "$root/tools/dependencies.sh"
           tavro_ensure_packages tavro-no-such-package) 2>&1)
status=$?
echo "$output"
expected="apt-get update && apt-get install -y --no-install-recommends tavro-no-such-package"
[ "$status" -ne 0 ] || { echo "FAIL: a missing package did not stop the command"; fail=1; }
[[ "$output" == *"As root"*"$expected"* ]] || { echo "FAIL: no root apt-get line for the missing package"; fail=1; }
[[ "$output" != *sudo* ]] || { echo "FAIL: the line needs sudo"; fail=1; }

if command -v setpriv >/dev/null && [ "$(id -u)" -eq 0 ]; then
  output=$(setpriv --reuid=65534 --regid=65534 --clear-groups "$root/tools/install-deb" 2>&1)
  status=$?
  echo "$output"
  [ "$status" -ne 0 ] || { echo "FAIL: tools/install-deb ran without root"; fail=1; }
  [[ "$output" == *"needs root"* ]] || { echo "FAIL: tools/install-deb did not say it needs root"; fail=1; }
else
  echo "tools/install-deb as another user: not checked (needs root and setpriv)"
fi
exit $fail
