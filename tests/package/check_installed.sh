#!/usr/bin/env bash
# Checks the Debian package with lintian (any error or warning fails; the
# informational tags are shown), installs it (as root with apt, else unpacked
# into a scratch root), validates its AppStream metadata and bash completion,
# then starts the installed programs from an unrelated folder: the editor
# must show its tiles and the tool must render the start-up map.
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
echo "lintian $(lintian --version | cut -d' ' -f2):"
lintian --fail-on error,warning --display-info "$deb" || { echo "lintian: errors or warnings"; exit 1; }
if [ "$(id -u)" -eq 0 ]; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q --reinstall "$deb" >/dev/null
  # Triggers apt left pending run now, so the databases below are current.
  dpkg --triggers-only -a
  prefix=/usr
else
  dpkg-deb -x "$deb" "$scratch/root"
  prefix=$scratch/root/usr
fi

# The map type and the desktop entry: installed by apt, the package's triggers
# have updated the databases; unpacked, they are updated here.
if [ "$prefix" != /usr ]; then
  update-mime-database "$prefix/share/mime"
  update-desktop-database "$prefix/share/applications"
fi
export XDG_DATA_DIRS="$prefix/share:/usr/share" XDG_DATA_HOME="$scratch/data" XDG_CURRENT_DESKTOP=GNOME
desktop-file-validate "$prefix/share/applications/zendaro.desktop"
# Fails on errors and warnings; informational hints are printed.
appstreamcli validate --no-net "$prefix/share/metainfo/example.invalid.zendaro.metainfo.xml"
bash -c "source '$prefix/share/bash-completion/completions/zendaro-map' && complete -p zendaro-map" >/dev/null \
  || { echo "no bash completion for zendaro-map"; exit 1; }
grep -qx 'Exec=zendaro %f' "$prefix/share/applications/zendaro.desktop" || { echo "desktop entry takes no file"; exit 1; }

cd "$scratch"
"$prefix/bin/zendaro-map" new -o start.map
"$prefix/bin/zendaro-map" render start.map -o start.png
[ "$(identify -format '%wx%h' start.png)" = "1280x880" ] || { echo "render: wrong picture size"; exit 1; }

# The start-up map with every field of every page plain sand (51).
awk 'NR <= 9 { print; next } { printf "51\r\n" }' start.map > sand.map
"$prefix/bin/zendaro-map" check sand.map
"$prefix/bin/zendaro-map" render sand.map -o sand.png
typ=$(xdg-mime query filetype start.map)
[ "$typ" = application/x-kronvale-map ] || { echo "xdg-mime: start.map is $typ"; exit 1; }
# GIO rereads the desktop database on its own schedule: give it a few tries.
for versuch in 1 2 3 4 5; do
  gio mime application/x-kronvale-map | grep -q zendaro.desktop && break
  [ "$versuch" -eq 5 ] && { echo "gio: no application for maps"; exit 1; }
  sleep 1
done
echo "MIME type: $typ, opened by zendaro.desktop"

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
kill "$editor_pid"; wait "$editor_pid" 2>/dev/null || true

# A file on the command line opens that map: its name in the title, and the
# page shows the colours the renderer draws for it.
DISPLAY=$display XDG_RUNTIME_DIR=$scratch/run "$prefix/bin/zendaro" "$scratch/sand.map" &
editor_pid=$!
for _ in $(seq 50); do
  DISPLAY=$display xdotool search --onlyvisible --name "^sand.map – Lumerant! Zendaro$" >/dev/null 2>&1 && break
  sleep 0.2
done
DISPLAY=$display xdotool search --onlyvisible --name "^sand.map – Lumerant! Zendaro$" >/dev/null || { echo "zendaro FILE: the map did not open"; exit 1; }
sleep 1
DISPLAY=$display import -window root shot2.png
mittel() { convert "$1" -crop "$2" -resize 1x1\! -format '%[fx:int(255*r)] %[fx:int(255*g)] %[fx:int(255*b)]\n' info:; }
read -r r1 g1 b1 < <(mittel shot2.png 300x100+10+160)
read -r r2 g2 b2 < <(mittel sand.png 300x100+10+60)
echo "Editor page $r1 $g1 $b1, render $r2 $g2 $b2"
for d in $((r1 - r2)) $((g1 - g2)) $((b1 - b2)); do
  [ "${d#-}" -le 12 ] || { echo "the editor does not show what render draws"; exit 1; }
done
echo "Installed package works."
