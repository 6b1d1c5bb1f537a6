#!/usr/bin/env bash
# The bash completion must know every subcommand and option the program's
# help names, and no other: a command or option added to the program without
# its completion (or left there after it went) fails here.
#   vervollstaendigung_test.sh ZENDARO-MAP COMPLETION-FILE
set -euo pipefail
programm=$1
# shellcheck source=/dev/null
source "$2"

fehler=0
# Subcommands: the indented words under "Befehle:" in the overview.
befehle=$("$programm" --help | awk '/^Befehle:/ { an = 1; next } an && /^  [a-z]/ { print $1 } an && /^$/ { an = 0 }' | sort)
vervollstaendigt=$(printf '%s\n' "${!_zendaro_map_optionen[@]}" | sort)
if [ "$befehle" != "$vervollstaendigt" ]; then
  echo "Befehle laut --help: $(echo $befehle); in der Vervollständigung: $(echo $vervollstaendigt)"
  fehler=1
fi

for befehl in $befehle; do
  # Options: words beginning with - after a blank or "[" anywhere in the
  # command's help.
  optionen=$("$programm" "$befehl" --help | { grep -oE '(^|[[ ])--?[a-z][a-z-]*' || true; } | tr -d '[ ' \
    | { grep -vx -- '--help' || true; } | sort -u)
  bekannt=$(printf '%s\n' ${_zendaro_map_optionen[$befehl]} | sed '/^$/d' | sort -u)
  if [ "$optionen" != "$bekannt" ]; then
    echo "$befehl: Optionen laut --help: $(echo $optionen); in der Vervollständigung: $(echo $bekannt)"
    fehler=1
  fi
  for option in $optionen; do
    [ -n "${_zendaro_map_werte[$befehl $option]:-${_zendaro_map_werte[$option]:-}}" ] \
      || { echo "$befehl $option: keine Angabe, was der Wert ist"; fehler=1; }
  done
done

# What a user sees: subcommands after the program, a picture or a folder
# after render's -o, the options after "-".
ordner=$(mktemp -d)
trap 'rm -rf "$ordner"' EXIT
cd "$ordner"
touch karte.map bild.png notiz.txt
mkdir blaetter
ergaenze() {
  COMP_WORDS=("$@")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  _zendaro_map 2>/dev/null
  printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' '
}
pruefe() {
  local erwartet=$1
  shift
  local erhalten
  erhalten=$(ergaenze "$@")
  [ "$erhalten" = "$erwartet" ] || { echo "[$*]: erwartet \"$erwartet\", erhalten \"$erhalten\""; fehler=1; }
}
pruefe "normalize " zendaro-map no
pruefe "blaetter karte.map " zendaro-map check ""
pruefe "bild.png blaetter " zendaro-map render karte.map -o ""
pruefe "blaetter " zendaro-map render karte.map --tiles ""
pruefe "--help -o " zendaro-map normalize karte.map -

[ $fehler -eq 0 ] || echo "Die Tabellen stehen am Anfang von $2."
exit $fehler
