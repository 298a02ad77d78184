#!/bin/sh
# Draws the web app's icons (192 and 512 pixels) from the program icon
# (src/ui/assets/icon-32.png), every pixel of it a square block, on a
# transparent background, with headless Chromium. Run from anywhere:
# sh render.sh
set -eu
cd "$(dirname "$0")"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp ../../../ui/assets/icon-32.png "$work/icon.png"
for size in 192 512; do
  cat >"$work/icon.html" <<HTML
<!doctype html><html><body style="margin:0;background:transparent">
<img src="icon.png" style="display:block;width:${size}px;height:${size}px;image-rendering:pixelated">
</body></html>
HTML
  chromium --headless --no-sandbox --disable-gpu --no-first-run --disable-background-networking \
    --disable-component-update --disable-sync --user-data-dir="$work/profile" \
    --hide-scrollbars --default-background-color=00000000 --window-size=$size,$size \
    --screenshot="$PWD/icon-$size.png" "file://$work/icon.html" >/dev/null 2>&1
done
