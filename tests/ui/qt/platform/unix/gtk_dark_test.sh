#!/usr/bin/env bash
# The colour test under the GTK platform theme with Adwaita's dark variant,
# whose tooltip background stays light while the text colours turn light.
# The GTK theme needs an X server: the test runs on an Xvfb of its own.
#
#   gtk_dark_test.sh <path of colours_test>
#
# Exits 77 (skipped) when Xvfb or Qt's GTK theme plugin is not installed.
set -uo pipefail

readonly TEST=${1:?usage: gtk_dark_test.sh <path of colours_test>}
readonly SKIPPED=77

source "$(dirname "$0")/../../../../e2e/helpers.sh"
tavro_require_tools "$SKIPPED" "xvfb" Xvfb
plugins=$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null || echo /usr/lib/x86_64-linux-gnu/qt6/plugins)
if [ ! -e "$plugins/platformthemes/libqgtk3.so" ]; then
  echo "SKIPPED: Qt's GTK theme plugin is not installed (package qt6-gtk-platformtheme)"
  exit "$SKIPPED"
fi
tavro_start_x_server
export QT_QPA_PLATFORM=xcb QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark TAVRO_EXPECT_DARK=1 LC_ALL=C.UTF-8
"$TEST" readableEverywhere
