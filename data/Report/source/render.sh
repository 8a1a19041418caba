#!/bin/sh
# Renders the report pictures from their SVG sources into the Report folder.
# Needs rsvg-convert (librsvg2-bin) and ImageMagick's convert. The rendered
# pictures are kept in the repository, so a build never runs this.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
out=$(dirname "$here")
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# svg width jpg
render() {
  rsvg-convert -w "$2" -o "$tmp/picture.png" "$1"
  convert "$tmp/picture.png" -background white -alpha remove -alpha off -quality 92 "$out/$3"
}

render "$here/HandoutHeader.svg" 2400 HandoutHeader.jpg
render "$here/HandoutFooter.svg" 2400 HandoutFooter.jpg
render "$here/Display.svg" 1200 Display.jpg
render "$here/Rotary.svg" 1200 Rotary.jpg
for n in 1 2 3 4 5 6 7 8 9 10 11; do
  size=64
  [ "$n" -ge 10 ] && size=52
  sed -e "s/@N@/$n/" -e "s/@SIZE@/$size/" "$here/Callout.svg" > "$tmp/callout.svg"
  render "$tmp/callout.svg" 128 "$n.jpg"
done
