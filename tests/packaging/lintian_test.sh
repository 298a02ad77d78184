#!/usr/bin/env bash
# Runs lintian, pedantic tags included, on the built package. Errors and
# warnings fail; every tag is shown, so informational ones can be read too.
#
#   lintian_test.sh <package folder>
set -euo pipefail
source "$(dirname "$0")/package_of.sh"
command -v lintian >/dev/null || { echo "skipped: lintian is not installed"; exit 77; }
package_of "$1"
echo "lintian --pedantic --display-info $(basename "$deb")"
# lintian warns on standard error that it runs as root, which CI does.
lintian --pedantic --display-info --fail-on error,warning "$deb" 2> >(grep -v 'running with root privileges' >&2)
echo "no errors or warnings"
