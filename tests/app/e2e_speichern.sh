#!/usr/bin/env bash
# End to end on a virtual display: start the editor, paint three fields of
# sand through the "&Karte" menu and the mouse, save through "Speichern
# unter" and the real file dialog, check the file with zendaro-map, and end
# the program through "&Beenden", which asks nothing once the map is saved.
# Then once more: two strokes taken back with Ctrl+Z save the start-up map.
# Then one click of "Pures Wasser" with the edge brush makes a pond, and a
# second click diagonally beside it joins both into one consistent lake. A
# new map of two pages is made through the properties dialog.
# Last, a run killed after painting: the next start offers the recovery copy,
# and "Wiederherstellen" gives the painted map back.
#   e2e_speichern.sh BIN_DIR   (the folder with zendaro, zendaro-map and the tile sheets)
set -euo pipefail
bin=$(cd "$1" && pwd)
arbeit=$(mktemp -d)
karte="$arbeit/e2e.map"
xvfb="" app=""

aufraeumen() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$arbeit"
}
trap aufraeumen EXIT

warten() {  # warten SEKUNDEN BEFEHL...: until the command succeeds
  local ende=$((SECONDS + $1)); shift
  until "$@" >/dev/null 2>&1; do
    [ $SECONDS -ge $ende ] && { echo "Zeitüberschreitung: $*" >&2; return 1; }
    sleep 0.1
  done
}

# Xvfb picks a free display number itself and writes it to the pipe.
# -noreset: by default the server resets whenever its last client leaves, and
# a client connecting during that reset is refused.
exec 3> "$arbeit/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
exec 3>&-
warten 10 test -s "$arbeit/display"
export DISPLAY=":$(cat "$arbeit/display")"
warten 10 xdotool getmouselocation
warten 10 xdotool getmouselocation

export XDG_RUNTIME_DIR="$arbeit/runtime"
# Settings, recent maps and recovery copies of this run stay in its folder.
export XDG_CONFIG_HOME="$arbeit/config" XDG_DATA_HOME="$arbeit/data"
starten() {
  (cd "$bin" && exec ./zendaro) &
  app=$!
  warten 15 xdotool search --onlyvisible --name "Lumerant! Zendaro$"
  # Without a window manager nobody gives a window the keyboard.
  fenster=$(xdotool search --onlyvisible --name "Lumerant! Zendaro$" | head -1)
  xdotool windowfocus "$fenster"
  sleep 0.5
  # "&Karte" > "&Sand" > "&einfach" selects tile 51.
  xdotool key alt+k; sleep 0.6; xdotool key s; sleep 0.6; xdotool key e; sleep 0.6
}

# "&Datei" > "Speichern &unter ...": the start-up map has no name, so the
# properties dialog comes first (closed with Escape), then the file dialog,
# whose name field has the focus.
speichernUnter() {
  xdotool key alt+d; sleep 0.6; xdotool key u
  warten 10 xdotool search --onlyvisible --name "^Karteneigenschaften$"
  sleep 0.6; xdotool key Escape
  sleep 1
  xdotool type --delay 20 "$1"
  xdotool key Return
  warten 10 test -s "$1"
}

# The map is saved, so ending asks nothing.
beenden() {
  xdotool windowfocus "$fenster"; sleep 0.6
  xdotool key alt+d; sleep 0.6; xdotool key b
  warten 10 bash -c "! kill -0 $app"
  app=""
}

starten
# Three neighbouring fields of page 1; the pages begin below the tool bar
# and the palette strip, well above y 150.
for x in 20 60 100; do
  xdotool mousemove "$x" 250 click 1
  sleep 0.1
done

speichernUnter "$karte"

"$bin/zendaro-map" check "$karte"
# The grid closes the file, field by field with the four pages side by side:
# three fields of page 1 hold 51, side by side in one row, and nothing else.
tr -d '\r' < "$karte" | awk '
  /^-?[0-9]+$/ { wert[++n] = $0 }
  END {
    for (i = 0; i < 4 * 176; ++i) {
      if (wert[n - 704 + 1 + i] != 51) continue
      feld = int(i / 4) + 1; seite = i % 4 + 1
      if (seite != 1) { print "Sand auf Seite " seite; exit 1 }
      gemalt[++g] = feld
    }
    if (g != 3 || gemalt[2] != gemalt[1] + 1 || gemalt[3] != gemalt[1] + 2 || int((gemalt[1] - 1) / 16) != int((gemalt[3] - 1) / 16)) {
      print "gemalte Felder:", gemalt[1], gemalt[2], gemalt[3], g; exit 1
    }
  }'

beenden

# Two strokes of sand, both taken back with Ctrl+Z: the file saved then is
# the start-up map, byte for byte.
starten
for y in 250 330; do
  xdotool mousemove 20 "$y" mousedown 1; sleep 0.1
  for x in 60 100 140; do xdotool mousemove "$x" "$y"; sleep 0.1; done
  xdotool mouseup 1; sleep 0.2
done
xdotool key ctrl+z; sleep 0.3; xdotool key ctrl+z; sleep 0.3
speichernUnter "$arbeit/zurueck.map"
"$bin/zendaro-map" new -o "$arbeit/start.map"
cmp "$arbeit/start.map" "$arbeit/zurueck.map"
beenden
# One click of "Pures Wasser" in the middle of page 1: the edge brush puts
# shores and sea corners round it, and nothing else of page 1 is water.
starten
xdotool key alt+k; sleep 0.6; xdotool key w; sleep 0.6; xdotool key p; sleep 0.6
xdotool mousemove 340 330 click 1; sleep 0.3
speichernUnter "$arbeit/teich.map"
"$bin/zendaro-map" check "$arbeit/teich.map"
tr -d '\r' < "$arbeit/teich.map" | awk '
  /^-?[0-9]+$/ { wert[++n] = $0 }
  END {
    for (f = 1; f <= 176; ++f) {
      code[f] = wert[n - 704 + 1 + (f - 1) * 4]
      if (code[f] == 22) { mitte = f; ++wasser }
      if (code[f] >= 25 && code[f] <= 47) ++ufer
    }
    if (wasser != 1 || ufer != 8) { print "Wasser:", wasser, "Ufer:", ufer; exit 1 }
    split("-17 41 -16 25 -15 43 -1 29 1 31 15 45 16 27 17 47", teich, " ")
    for (i = 1; i < 16; i += 2) {
      if (code[mitte + teich[i]] != teich[i + 1]) {
        print "Feld", mitte + teich[i], "hat", code[mitte + teich[i]], "statt", teich[i + 1]; exit 1
      }
    }
  }'
# Two fields right and two down: the saddle between the ponds closes with
# water, so the diagonal holds three fields of pure water.
xdotool mousemove 420 410 click 1; sleep 0.3
xdotool key ctrl+s; sleep 1
"$bin/zendaro-map" check --kanten "$arbeit/teich.map"
wasser=$(tr -d '\r' < "$arbeit/teich.map" | awk '/^-?[0-9]+$/ { wert[++n] = $0 }
  END { for (i = n - 703; i <= n; i += 4) g += wert[i] == 22; print g }')
[ "$wasser" = 3 ] || { echo "Wasserfelder nach zwei Klicks: $wasser" >&2; exit 1; }
beenden

# "Neue Karte..." of two pages: the name typed replaces the selected
# "Unbenannt", the arrow keys reach "Benutzerdefiniert:" below the presets,
# Tab its page box;
# saved, the file holds two pages of meadow under that name.
starten
xdotool key ctrl+n
warten 10 xdotool search --onlyvisible --name "^Karteneigenschaften$"
sleep 0.6
xdotool type --delay 20 "Zwei"
xdotool key Tab Up Up Up Up Down Down Down Down Tab ctrl+a; xdotool type "2"; sleep 0.3
[ -n "${E2E_GROESSE_BILD:-}" ] && import -window root "$E2E_GROESSE_BILD"
xdotool key Return; sleep 0.6
xdotool windowfocus "$fenster"; sleep 0.6
xdotool key alt+d; sleep 0.6; xdotool key u; sleep 1
xdotool type --delay 20 "$arbeit/zwei.map"
xdotool key Return
warten 10 test -s "$arbeit/zwei.map"
"$bin/zendaro-map" check "$arbeit/zwei.map" | grep -F 'Name "Zwei", Zeitlimit 10 Runden, 2 Seiten zu 176 Feldern'
[ "$(tr -d '\r' < "$arbeit/zwei.map" | tail -n 352 | sort -u)" = 1 ] || { echo "zwei.map ist nicht nur Gras" >&2; exit 1; }
beenden

# One field of sand, then the program is killed: the copy written at the
# first change is offered at the next start, and saved it holds that field.
starten
xdotool mousemove 20 250 click 1
warten 10 bash -c "ls '$arbeit'/data/Zendaro/zendaro/recovery/*.map"
kill -KILL "$app"; wait "$app" 2>/dev/null || true
app=""
(cd "$bin" && exec ./zendaro) &
app=$!
warten 15 xdotool search --onlyvisible --name "^Karten wiederherstellen$"
dialog=$(xdotool search --onlyvisible --name "^Karten wiederherstellen$" | head -1)
xdotool windowfocus "$dialog"; sleep 0.6
[ -n "${E2E_BILD:-}" ] && import -window root "$E2E_BILD"
xdotool key Return
warten 10 xdotool search --onlyvisible --name "^Unbenannt\* – Lumerant! Zendaro$"
fenster=$(xdotool search --onlyvisible --name "Lumerant! Zendaro$" | head -1)
xdotool windowfocus "$fenster"; sleep 0.6
speichernUnter "$arbeit/gerettet.map"
"$bin/zendaro-map" check "$arbeit/gerettet.map"
sand=$(tr -d '\r' < "$arbeit/gerettet.map" | awk '/^-?[0-9]+$/ { wert[++n] = $0 }
  END { for (i = n - 703; i <= n; ++i) g += wert[i] == 51; print g }')
[ "$sand" = 1 ] || { echo "Sandfelder nach Wiederherstellen: $sand" >&2; exit 1; }
beenden
echo "e2e: gespeichert, geprüft, zurückgenommen, Teiche gemalt, zwei Seiten angelegt, nach Absturz wiederhergestellt und beendet"
