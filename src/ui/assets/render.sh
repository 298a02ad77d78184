#!/bin/sh
# Regenerates the PNG pictures of this folder from their SVG sources.
#
# The pictures are pixel art, drawn without anti-aliasing: a pixel takes the
# colour of the last shape that covers its centre. ImageMagick's own SVG reader
# misplaces shapes by a pixel, and its drawing paints every pixel a shape
# touches, so the SVG files keep to filled <rect>, <polygon> and <circle>
# elements, drawn in document order, and this script hands those shapes to
# `convert -draw` at nine times the final size, then keeps the middle one of
# every nine by nine block.
#
# Needs ImageMagick (convert), python3 and icoutils (icotool). Run from
# anywhere: sh render.sh
set -eu
cd "$(dirname "$0")"

# draw_commands SVG SCALE: the SVG's shapes as ImageMagick draw commands.
draw_commands() {
  python3 - "$1" "$2" <<'PYTHON'
import sys
import xml.etree.ElementTree as ET

path, scale = sys.argv[1], float(sys.argv[2]) * 9
SVG = "{http://www.w3.org/2000/svg}"


def point(x, y):
    # SVG puts pixel (i, j) between i and i + 1; ImageMagick at its centre.
    return "%g,%g" % (float(x) * scale - 0.5, float(y) * scale - 0.5)


commands = ["stroke none"]
for shape in ET.parse(path).getroot().iter():
    tag = shape.tag.replace(SVG, "")
    if tag in ("svg", "title", "desc", "g"):
        if "transform" in shape.attrib:
            sys.exit("%s: transforms are not supported" % path)
        continue
    fill = shape.get("fill")
    if fill is None:
        sys.exit("%s: every shape needs its own fill" % path)
    commands.append("fill %s" % fill)
    if tag == "rect":
        x, y = float(shape.get("x", 0)), float(shape.get("y", 0))
        w, h = float(shape.get("width")), float(shape.get("height"))
        corners = [(x, y), (x + w, y), (x + w, y + h), (x, y + h)]
        commands.append("polygon " + " ".join(point(*c) for c in corners))
    elif tag == "polygon":
        numbers = shape.get("points").replace(",", " ").split()
        pairs = zip(numbers[0::2], numbers[1::2])
        commands.append("polygon " + " ".join(point(*p) for p in pairs))
    elif tag == "circle":
        cx, cy, r = (float(shape.get(a)) for a in ("cx", "cy", "r"))
        commands.append("circle %s %s" % (point(cx, cy), point(cx + r, cy)))
    else:
        sys.exit("%s: <%s> is not supported" % (path, tag))
print("\n".join(commands))
PYTHON
}

# render SVG SIZE OUT: draws SVG (square, its size in whole units) at SIZE x
# SIZE pixels into the PNG file OUT, on a transparent background.
render() {
  units=$(sed -n 's/.*viewBox="0 0 \([0-9]*\) [0-9]*".*/\1/p' "$1" | head -n 1)
  scale=$(python3 -c "print($2 / $units)")
  fine=$(($2 * 9))
  convert -size "${fine}x$fine" xc:none +antialias -draw "$(draw_commands "$1" "$scale")" \
    -sample "$2x$2" -strip -define png:exclude-chunks=date,time "PNG32:$3"
}

render icon.svg 32 icon-32.png
for size in 64 128 256; do
  render icon.svg "$size" "icon-$size.png"
done
render icon-48.svg 48 icon-48.png
render icon-24.svg 24 icon-24.png
render icon-16.svg 16 icon-16.png
for picture in plus minus multiply divide pencil; do
  render "$picture.svg" 32 "$picture.png"
  render "$picture.svg" 64 "$picture@2x.png"
done

# The Windows executable's icon: every size of the program icon, each in 16
# colours with a transparency mask as drawn, and the 256-pixel one as PNG.
icotool --create --output=tavro.ico icon-16.png icon-24.png icon-32.png icon-48.png icon-64.png \
  icon-128.png --raw=icon-256.png
