#!/usr/bin/env bash
# The two Windows packages as a user meets them, under Wine: the zip holds the
# program and two texts with Windows line endings; the installer, run with /S,
# installs the same three files, a Start-menu shortcut and an "Apps & features"
# entry, the installed program opens its window and keeps running, and the
# uninstaller, run with /S, takes away everything the installer made.
#
#   WINEPREFIX=DIR DISPLAY=:N tests/windows/installer_test.sh SETUP_EXE ZIP VERSION
#
# DISPLAY is an X server the caller runs (a private Xvfb); WINEPREFIX is
# created on first use. Needs wine, unzip, icoutils and xdotool.
set -euo pipefail
usage="usage: installer_test.sh SETUP_EXE ZIP VERSION (with WINEPREFIX and DISPLAY set)"
setup=${1:?$usage}
zip=${2:?$usage}
version=${3:?$usage}
: "${WINEPREFIX:?$usage}" "${DISPLAY:?$usage}"
# No crash dialog (a program that crashes ends), and no menu entries made on
# this machine's desktop for the Start-menu shortcut.
source "$(dirname "$0")/../../tools/wine.sh"
tavro_wine_environment "$WINEPREFIX"
export DISPLAY WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winedbg.exe,winemenubuilder.exe=d"
fail() { echo "installer_test: FAIL: $*" >&2; exit 1; }
work=$(mktemp -d)
program=
trap 'rm -rf "$work"; [ -z "$program" ] || kill "$program" 2>/dev/null || true' EXIT
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tavro'

# The ProductVersion string of a program's version resource.
product_version() {
  wrestool -x --raw -t16 "$1" | iconv -c -f UTF-16LE -t UTF-8 | tr '\0' '\n' |
    grep -a -A1 'ProductVersion$' | tail -n 1
}
# The data of one value of the uninstall entry, as `reg query` prints it.
reg_value() {
  wine reg query "$key" /v "$1" /reg:64 2>/dev/null | tr -d '\r' | sed -n "s/^    $1    REG_[A-Z_]*    //p"
}
expect_value() {
  local got
  got=$(reg_value "$1")
  [ "$got" = "$2" ] || fail "registry value $1 is '$got', expected '$2'"
}

# The zip.
[ "$(unzip -Z1 "$zip" | tr '\n' ' ')" = "LICENSE.txt README.txt tavro.exe " ] ||
  fail "the zip holds $(unzip -Z1 "$zip" | tr '\n' ' ')"
for text in LICENSE.txt README.txt; do
  [ "$(unzip -p "$zip" "$text" | grep -cv $'\r$')" = 0 ] || fail "$text in the zip has lines without CRLF"
done
unzip -p "$zip" README.txt | grep "^Version $version," >/dev/null || fail "README.txt does not name version $version"

# The installer asks for no administrator rights and carries the version.
wrestool -x --raw -t24 "$setup" | grep 'level="asInvoker"' >/dev/null || fail "the installer asks for elevation"
[ "$(product_version "$setup")" = "$version" ] || fail "the installer's version is $(product_version "$setup")"

mapfile -t folders < <(wine cmd /c "echo %LOCALAPPDATA%&& echo %APPDATA%" | tr -d '\r')
win_dir="${folders[0]}\\Programs\\Tavro"
dir=$(winepath -u "$win_dir")
shortcut=$(winepath -u "${folders[1]}\\Microsoft\\Windows\\Start Menu\\Programs\\Tavro.lnk")
if [ -e "$dir" ] || [ -e "$shortcut" ]; then fail "Tavro is installed already in $WINEPREFIX"; fi
find "$WINEPREFIX/drive_c" | sort >"$work/before.txt"

wine "$setup" /S || fail "the installer exited with $?"
[ "$(cd "$dir" && echo *)" = "LICENSE.txt README.txt tavro.exe uninstall.exe" ] ||
  fail "installed: $(cd "$dir" && echo *)"
for file in LICENSE.txt README.txt tavro.exe; do
  unzip -p "$zip" "$file" | cmp -s - "$dir/$file" || fail "the installed $file is not the zip's"
done
[ "$(product_version "$dir/uninstall.exe")" = "$version" ] || fail "the uninstaller's version is wrong"
[ -f "$shortcut" ] || fail "no Start-menu shortcut at $shortcut"
strings -a "$shortcut" | grep -xF "$win_dir\\tavro.exe" >/dev/null || fail "the shortcut does not point at $win_dir\\tavro.exe"

expect_value DisplayName Tavro
expect_value DisplayVersion "$version"
expect_value Publisher "The Tavro developers"
expect_value DisplayIcon "$win_dir\\tavro.exe"
expect_value InstallLocation "$win_dir"
expect_value UninstallString "\"$win_dir\\uninstall.exe\""
expect_value QuietUninstallString "\"$win_dir\\uninstall.exe\" /S"
size_kib=$(($(reg_value EstimatedSize)))
actual_kib=$(($(cat "$dir"/* | wc -c) / 1024))
difference=$((size_kib - actual_kib))
[ "${difference#-}" -le 4 ] || fail "EstimatedSize is $size_kib KiB, the files take $actual_kib KiB"

# Started, it opens the Standart window (not an error box) and keeps running.
wine "$win_dir\\tavro.exe" &
program=$!
# (A search that meets a window destroyed under it ends as if none matched:
# the loop searches again.)
shown=
for _ in $(seq 20); do
  xdotool search --name '^Standart$' >/dev/null 2>&1 && shown=yes && break
  sleep 0.5
done
[ -n "$shown" ] || fail "the installed tavro.exe opened no Standart window"
sleep 2
kill -0 "$program" 2>/dev/null || fail "the installed tavro.exe ended"
kill "$program"
wait "$program" || true
program=

wine "$win_dir\\uninstall.exe" /S || fail "the uninstaller exited with $?"
# It goes on from a copy of itself in %TEMP%: wait until it is done.
removed() { [ ! -e "$dir" ] && ! wine reg query "$key" /reg:64 >/dev/null 2>&1; }
for _ in $(seq 40); do
  removed && break
  sleep 0.5
done
[ ! -e "$dir" ] || fail "left behind: $(find "$dir")"
[ ! -e "$shortcut" ] || fail "the Start-menu shortcut is left behind"
wine reg query "$key" /reg:64 >/dev/null 2>&1 && fail "the registry key $key is left behind"
# The only new thing may be that copy (~nsuN.tmp\Un.exe), which NSIS leaves
# in %TEMP% to be deleted at the next restart.
find "$WINEPREFIX/drive_c" | sort | comm -13 "$work/before.txt" - |
  grep -v '/Temp/~nsu[^/]*\.tmp\(/Un\.exe\)\?$' >"$work/left.txt" &&
  fail "left behind: $(cat "$work/left.txt")"
echo "installer_test: Tavro $version installs, starts and uninstalls cleanly"
