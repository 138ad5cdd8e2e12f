#!/bin/sh
# The desktop icon's PNG sizes, made from data/instalacion/vespera.svg (the
# program's own icon, arte::Icono, written out as SVG). Needs rsvg-convert
# (Debian package librsvg2-bin); the results are committed.
set -e
cd "$(dirname "$0")/../data/instalacion"
mkdir -p iconos
for lado in 16 24 32 48 64 128 256; do
  rsvg-convert -w "$lado" -h "$lado" vespera.svg -o "iconos/$lado.png"
done
