#!/usr/bin/env bash
# Installs the Debian package (as root with apt, else unpacked into a scratch
# root), then starts the installed programs from an unrelated folder: the
# editor must show its tiles and the tool must render the start-up map.
set -euo pipefail
deb=$(realpath "$1")
scratch=$(mktemp -d)
xvfb_pid=""; editor_pid=""
# The editor ends before its display does, so it never sees the X server die.
cleanup() {
  [ -n "$editor_pid" ] && { kill "$editor_pid" 2>/dev/null; wait "$editor_pid" 2>/dev/null || true; }
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT

echo "Package: $(basename "$deb"), $(du -k "$deb" | cut -f1) KiB"
dpkg-deb -f "$deb" Depends
if [ "$(id -u)" -eq 0 ]; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q --reinstall "$deb" >/dev/null
  prefix=/usr
else
  dpkg-deb -x "$deb" "$scratch/root"
  prefix=$scratch/root/usr
fi

cd "$scratch"
"$prefix/bin/zendaro-map" new -o start.map
"$prefix/bin/zendaro-map" render start.map -o start.png
[ "$(identify -format '%wx%h' start.png)" = "1280x880" ] || { echo "render: wrong picture size"; exit 1; }

display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -noreset &
xvfb_pid=$!
sleep 1
DISPLAY=$display XDG_RUNTIME_DIR=$scratch/run "$prefix/bin/zendaro" &
editor_pid=$!
sleep 4
kill -0 "$editor_pid" || { echo "the installed editor ended early"; exit 1; }
DISPLAY=$display import -window root shot.png
# A point on page 1, clear of the splash in the middle of the screen: meadow.
read -r r g b < <(convert shot.png -crop 1x1+60+200 -format '%[fx:int(255*r)] %[fx:int(255*g)] %[fx:int(255*b)]\n' info:)
echo "Editor page pixel: $r $g $b"
if [ "$g" -le "$r" ] || [ "$g" -le "$b" ]; then
  echo "the installed editor shows no meadow: tile sheets not found?"
  exit 1
fi
echo "Installed package works."
