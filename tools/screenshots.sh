#!/usr/bin/env bash
# Takes a screenshot of each of the six windows into docs/form1.png ...
# docs/form6.png (form5.png is the Help window), on an X server of its own.
#
#   tools/screenshots.sh [--scale FACTOR] [--theme NAME] [--out FOLDER] [path of tavro]
#   tools/screenshots.sh --windows [--scale FACTOR] [--scheme NAME] [--out FOLDER] [path of tavro.exe]
#
#   --scale FACTOR  draws the windows FACTOR times their size (QT_SCALE_FACTOR);
#                   2 by default. Pictures are at least 624 by 351 pixels, the
#                   smallest size software centres show: a smaller window is
#                   centred on a transparent margin.
#   --theme NAME    draws them in a colour theme, into docs/NAME/ unless --out
#                   says otherwise:
#                     adwaita-dark  GTK's Adwaita dark theme (qt6-gtk-platformtheme,
#                                   gnome-themes-extra)
#                     dark-fusion   Qt's Fusion style with qt6ct's dark colour
#                                   scheme, in a configuration of its own (qt6ct)
#   --out FOLDER    where the pictures go (docs by default).
#   --windows       the Windows program under Wine (tools/windows builds it),
#                   into docs/windows/ (docs/windows/scale-FACTOR/ at another
#                   scale) unless --out says otherwise; 1 by default. The
#                   scale is Windows' own display setting (LogPixels). Wine
#                   has no faces of the names Windows' dialogs and the labels
#                   ask for ("MS Shell Dlg", "MS Sans Serif"); its font
#                   replacements draw them in DejaVu Sans, a sans-serif face
#                   as on Windows, rather than a serif fallback.
#   --scheme NAME   with --windows: Windows' colours of one of the schemes the
#                   Windows tests use (tests/ui/qt/platform/windows/windows_schemes/:
#                   light, dark_apps, high_contrast_black, high_contrast_white),
#                   into docs/windows/high-contrast/black/ (and white/) or
#                   docs/windows/NAME/ unless --out says otherwise.
#   path of tavro   build/release/bin/tavro by default
#                   (build/windows/program/bin/tavro.exe with --windows).
#
# Needs Xvfb, xdotool and ImageMagick's import and convert. Any other
# environment is passed on to the program.
set -euo pipefail
cd "$(dirname "$0")/.."

scale=
theme=
out=
windows=
tavro=
scheme=
while [ $# -gt 0 ]; do
  case $1 in
    --windows) windows=1; shift ;;
    --scale) scale=${2:?--scale needs a factor}; shift 2 ;;
    --theme) theme=${2:?--theme needs a name}; shift 2 ;;
    --scheme) scheme=${2:?--scheme needs a name}; shift 2 ;;
    --out) out=${2:?--out needs a folder}; shift 2 ;;
    -*) echo "unknown option $1" >&2; exit 2 ;;
    *) tavro=$1; shift ;;
  esac
done
if [ -n "$windows" ]; then
  [ -z "$theme" ] || { echo "--theme is for the Linux program" >&2; exit 2; }
  scale=${scale:-1}
  if [ -n "$scheme" ]; then
    scheme_file=tests/ui/qt/platform/windows/windows_schemes/$scheme.reg
    [ -f "$scheme_file" ] || { echo "no Windows colour scheme $scheme (see $(dirname "$scheme_file"))" >&2; exit 2; }
    case $scheme in
      high_contrast_*) out=${out:-docs/windows/high-contrast/${scheme#high_contrast_}} ;;
      *) out=${out:-docs/windows/${scheme//_/-}} ;;
    esac
  fi
  out=${out:-docs/windows$([ "$scale" = 1 ] || echo "/scale-$scale")}
  tavro=${tavro:-build/windows/program/bin/tavro.exe}
  [ -f "$tavro" ] || { echo "no program at $tavro; build it first (tools/windows builds it)" >&2; exit 1; }
else
  [ -z "$scheme" ] || { echo "--scheme is for the Windows program" >&2; exit 2; }
  scale=${scale:-2}
  out=${out:-docs${theme:+/$theme}}
  tavro=${tavro:-build/release/bin/tavro}
  [ -x "$tavro" ] || { echo "no program at $tavro; build it first (tools/start builds it)" >&2; exit 1; }
fi
[[ "$scale" =~ ^[0-9]+([.][0-9]+)?$ ]] || { echo "--scale needs a number, not $scale" >&2; exit 2; }
for tool in Xvfb xdotool import convert; do
  command -v "$tool" >/dev/null || { echo "$tool is needed (packages xvfb xdotool imagemagick)" >&2; exit 1; }
done

source tests/e2e/helpers.sh
source tools/wine.sh
unset QT_QPA_PLATFORM
[ -n "$windows" ] || export QT_SCALE_FACTOR=$scale
case $theme in
  '') ;;
  adwaita-dark)
    export QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark ;;
  dark-fusion)
    export QT_QPA_PLATFORMTHEME=qt6ct XDG_CONFIG_HOME=$work/config
    mkdir -p "$XDG_CONFIG_HOME/qt6ct"
    cat >"$XDG_CONFIG_HOME/qt6ct/qt6ct.conf" <<'CONF'
[Appearance]
color_scheme_path=/usr/share/qt6ct/colors/darker.conf
custom_palette=true
style=Fusion
CONF
    ;;
  *) echo "unknown theme $theme (adwaita-dark, dark-fusion)" >&2; exit 2 ;;
esac
# The server of tests/e2e/helpers.sh, on a screen wide enough for the
# widest window (Brackets, 548 pixels) at the scale.
screen_width=$(awk -v s="$scale" 'BEGIN { w = int(560 * s) + 64; print (w < 1024 ? 1024 : w) }')
tavro_start_x_server() {
  local display_fd display_number
  exec {display_fd}<> <(:)
  Xvfb -displayfd "$display_fd" -screen 0 "${screen_width}x$((screen_width * 3 / 4))x24" -nolisten tcp -noreset \
    >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  read -r -t 10 -u "$display_fd" display_number || { echo "Xvfb did not start" >&2; exit 1; }
  exec {display_fd}>&-
  export DISPLAY=:$display_number
}
tavro_start_x_server

if [ -n "$windows" ]; then
  # Wine leaves the keyboard with the window under the pointer; a window
  # manager hands it to each window as it opens, as Windows does.
  tavro_start_window_manager
  # A Wine prefix of its own, with the display scale and the fonts set.
  tavro_wine_environment "$work/wine"
  wineboot --init >/dev/null 2>&1
  for face in 'MS Sans Serif' 'MS Shell Dlg' 'MS Shell Dlg 2'; do
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' \
      /v "$face" /t REG_SZ /d 'DejaVu Sans' /f >/dev/null 2>&1
  done
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD \
    /d "$(awk -v s="$scale" 'BEGIN { print int(96 * s + 0.5) }')" /f >/dev/null 2>&1
  [ -z "$scheme" ] || wine regedit "$scheme_file" >/dev/null 2>&1
  wineserver -w
  trap 'tavro_wine_stop; tavro_cleanup' EXIT
  wine "$tavro" >"$work/tavro.log" 2>&1 &
else
  "$tavro" >"$work/tavro.log" 2>&1 &
fi
tavro_pid=$!

window_of() {
  timeout 10 xdotool search --sync --onlyvisible --name "$1" | head -n 1
}

# The smallest picture software centres show; smaller windows get a
# transparent margin.
readonly MIN_WIDTH=624 MIN_HEIGHT=351
shoot() {
  local pattern=$1 file=$2 window size width height
  window=$(window_of "$pattern")
  sleep 0.5  # let it paint
  import -window "$window" "$work/shot.png"
  size=$(identify -format '%w %h' "$work/shot.png")
  width=${size% *} height=${size#* }
  width=$((width < MIN_WIDTH ? MIN_WIDTH : width))
  height=$((height < MIN_HEIGHT ? MIN_HEIGHT : height))
  convert "$work/shot.png" -background none -gravity center -extent "${width}x$height" -strip "$file"
  echo "$file: $(identify -format '%wx%h' "$file")"
}

keys() {
  xdotool key --delay 50 "$@"
  sleep 0.3
}

mkdir -p "$out"
shoot '^Standart$' "$out/form1.png"
keys ctrl+f
shoot '^Functional$' "$out/form2.png"
keys ctrl+t
shoot '^Triangle$' "$out/form3.png"
keys alt+h
shoot '^Help$' "$out/form5.png"
tavro_focus "$(window_of '^Triangle$')"
keys ctrl+p
shoot '^ $' "$out/form4.png"  # the Parallelepiped window's title is empty
keys alt+o b  # its Brackets entry has no shortcut
shoot '^Brackets$' "$out/form6.png"
keys Return  # EXIT has the focus
wait "$tavro_pid"
tavro_pid=
