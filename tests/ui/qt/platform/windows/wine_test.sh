#!/usr/bin/env bash
# A Windows build's Qt test program under Wine: Qt's windows platform on an Xvfb
# of its own, in the build's own Wine prefix (made on first use), with the
# regional settings asked for.
#
#   wine_test.sh <prefix> <locale> <decimal symbol> <program> [<argument>...]
#
# <locale> is a Unix locale such as bg_BG.UTF-8, which Wine turns into the
# user's Windows locale; it is compiled beside the prefix when the system has
# not got it. <decimal symbol> is stored as the user's own choice in Windows'
# regional settings (Region, Additional settings, Decimal symbol); "-"
# removes that choice. TAVRO_WINDOWS_SCHEME, where set, names a registry file
# of Windows colour settings (windows_schemes/) that is written into the
# prefix first. The tests that share a prefix must not run at once
# (CTest's RESOURCE_LOCK): the registry is the prefix's, and Wine is stopped
# at the end. Exits 77 (skipped) when Wine, Xvfb or the locale sources are
# missing.
set -uo pipefail

readonly PREFIX=${1:?usage: wine_test.sh <prefix> <locale> <decimal symbol> <program> [<argument>...]}
readonly LOCALE=${2:?} DECIMAL_SYMBOL=${3:?} PROGRAM=${4:?}
shift 4
readonly SKIPPED=77

source "$(dirname "$0")/../../../../e2e/helpers.sh"
source "$(dirname "$0")/../../../../../tools/wine.sh"
tavro_require_tools "$SKIPPED" "wine, xvfb, locales" wine wineserver Xvfb localedef

tavro_wine_environment "$PREFIX"
# Wine stopped whatever happens, then the X server and the work folder.
stop_wine() {
  local status=$?
  tavro_wine_stop
  tavro_cleanup "$status"
}
trap stop_wine EXIT

# Wine takes the locale only where the C library knows it: compiled into a
# folder of the prefix's own, named by LOCPATH. Wine alone is given it.
locales=$PREFIX.locales
if [ ! -d "$locales/$LOCALE" ]; then
  mkdir -p "$locales"
  if ! localedef -i "${LOCALE%%.*}" -f "${LOCALE#*.}" "$locales/$LOCALE" 2>"$work/localedef.log"; then
    echo "SKIPPED: the locale $LOCALE cannot be made (package locales)"
    cat "$work/localedef.log"
    exit "$SKIPPED"
  fi
fi
wine() {
  env -u LC_ALL -u LC_NUMERIC -u LC_CTYPE -u LC_MESSAGES -u LANGUAGE LOCPATH="$locales" \
    LANG="$LOCALE" wine "$@"
}

tavro_start_x_server
if [ ! -f "$PREFIX/system.reg" ]; then
  wine wineboot --init >"$work/wineboot.log" 2>&1 || { cat "$work/wineboot.log"; exit 1; }
fi
if [ -n "${TAVRO_WINDOWS_SCHEME:-}" ]; then
  wine regedit "$TAVRO_WINDOWS_SCHEME" >"$work/regedit.log" 2>&1 ||
    { echo "the colour scheme $TAVRO_WINDOWS_SCHEME could not be set"; exit 1; }
fi
readonly INTERNATIONAL='HKCU\Control Panel\International'
if [ "$DECIMAL_SYMBOL" = - ]; then
  wine reg delete "$INTERNATIONAL" /v sDecimal /f >/dev/null 2>&1
else
  wine reg add "$INTERNATIONAL" /v sDecimal /t REG_SZ /d "$DECIMAL_SYMBOL" /f >/dev/null ||
    { echo "the decimal symbol could not be set"; exit 1; }
fi

# Qt's test log reaches no pipe from Wine: it is written to a file, shown
# afterwards.
wine "$PROGRAM" "$@" -o "$work/log.txt,txt"
status=$?
cat "$work/log.txt" 2>/dev/null
exit "$status"
