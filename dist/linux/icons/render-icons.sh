#!/usr/bin/env bash
# Renews the application icon's PNG renderings from org.kirv.kirv.svg (needs rsvg-convert, from
# Debian's librsvg2-bin). The PNGs are committed, so building and packaging never need this.
set -euo pipefail
cd "$(dirname "$0")"
command -v rsvg-convert >/dev/null || { echo "render-icons: apt-get install librsvg2-bin" >&2; exit 1; }
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "${size}x$size"
  rsvg-convert --width "$size" --height "$size" org.kirv.kirv.svg >"${size}x$size/org.kirv.kirv.png"
done
