#!/usr/bin/env bash
# Renders the same 16-page map (2560 x 1760 pixels, tile codes mixed) with
# `zendaro-map render` and with Tiled's tmxrasterizer, which gets the map's
# TMX twin and our tile sheets converted to PNG. Runs both in turn, RUNS
# times each (default 9), and prints the median wall time of each, their
# ratio and the sizes of the two PNG files.
#   bench/gegen_tmxrasterizer.sh [BUILD-FOLDER]      (default: build)
# Installs the Debian package `tiled` with apt-get when tmxrasterizer is
# missing; nothing else installs it.
set -euo pipefail
cd "$(dirname "$0")/.."

BUILD=${1:-build}
RUNS=${RUNS:-9}
TILES=$PWD/resources/tiles
for programm in zendaro-map tmxzwilling; do
  [ -x "$BUILD/bin/$programm" ] || { echo "$BUILD/bin/$programm fehlt: erst bauen" >&2; exit 1; }
done
ZENDARO_MAP=$(realpath "$BUILD/bin/zendaro-map")

if ! command -v tmxrasterizer >/dev/null; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends tiled
fi
command -v convert >/dev/null || { echo "convert (imagemagick) fehlt" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The map: 16 pages of 176 fields, field by field and within a field page by
# page, code (page * 7 + field * 13) mod 256 as in bench/bildbench.cpp.
{
  printf 'Kronvale 1.0 Karte\r\n(c) 1996, Plexadyne/Corvanthe\r\nVergleich\r\n0\r\n640\r\n440\r\n176\r\n16\r\n40\r\n'
  for ((feld = 1; feld <= 176; feld++)); do
    for ((seite = 1; seite <= 16; seite++)); do
      printf '%d\r\n' $(((seite * 7 + feld * 13) % 256))
    done
  done
} > "$work/karte.map"
"$BUILD/bin/tmxzwilling" "$work/karte.map" "$work/karte.tmx"
for n in 1 2 3; do
  convert "bmp:$TILES/Scene$n.scn" "PNG24:$work/scene$n.png"
done

export QT_QPA_PLATFORM=offscreen
zendaro() { "$ZENDARO_MAP" render "$work/karte.map" -o "$work/zendaro.png" --tiles "$TILES"; }
tiled() { tmxrasterizer "$work/karte.tmx" "$work/tiled.png" 2>/dev/null; }

# Wall time of one run in milliseconds.
messen() {
  local start ende
  start=$(date +%s%N)
  "$1" >/dev/null
  ende=$(date +%s%N)
  echo $(((ende - start) / 1000000))
}

median() { sort -n | awk '{ w[NR] = $1 } END { print (NR % 2) ? w[(NR + 1) / 2] : (w[NR / 2] + w[NR / 2 + 1]) / 2 }'; }

zendaro && tiled # warm the file cache once
: > "$work/zendaro.ms"
: > "$work/tiled.ms"
for ((i = 0; i < RUNS; i++)); do
  messen zendaro >> "$work/zendaro.ms"
  messen tiled >> "$work/tiled.ms"
done

z=$(median < "$work/zendaro.ms")
t=$(median < "$work/tiled.ms")
echo "Läufe je Programm: $RUNS (abwechselnd)"
echo "zendaro-map render: Median $z ms ($(tr '\n' ' ' < "$work/zendaro.ms")), $(stat -c %s "$work/zendaro.png") Bytes, $(identify -format '%wx%h %[type]' "$work/zendaro.png")"
echo "tmxrasterizer:      Median $t ms ($(tr '\n' ' ' < "$work/tiled.ms")), $(stat -c %s "$work/tiled.png") Bytes, $(identify -format '%wx%h %[type]' "$work/tiled.png")"
awk -v z="$z" -v t="$t" 'BEGIN { printf "Verhältnis zendaro/tmxrasterizer: %.2f\n", z / t }'
