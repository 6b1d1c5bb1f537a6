#!/usr/bin/env bash
# Start-up cost of the command-line tool: runs `zendaro-map check` and
# `zendaro-map render` on one 16-page map RUNS times each (default 31) and
# prints the median CPU time (user + system, perf's task-clock) and the
# median wall time of each (perf's duration_time, which counts from before
# the program's exec and so includes a little of perf's own work). Check is
# nearly all program start, so its CPU time shows what the tool links and
# loads; Qt's rcc, which links Qt Core alone, is timed alongside as the floor.
#   bench/kommandozeit.sh [BUILD-FOLDER]      (default: build)
# Uses `perf stat` when it can count task-clock, else the resource usage that
# python3 reads from wait4() (whose CPU times the kernel keeps coarser).
set -euo pipefail
cd "$(dirname "$0")/.."

BUILD=${1:-build}
RUNS=${RUNS:-31}
TOOL=$BUILD/bin/zendaro-map
[ -x "$TOOL" ] || { echo "$TOOL fehlt: erst bauen" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# 16 pages of 176 fields, code (page * 7 + field * 13) mod 256 as in
# bench/bildbench.cpp; the two header lines come from the tool itself.
{
  "$TOOL" new | head -n 2
  printf 'Zeitmessung\r\n0\r\n640\r\n440\r\n176\r\n16\r\n40\r\n'
  for ((feld = 1; feld <= 176; feld++)); do
    for ((seite = 1; seite <= 16; seite++)); do
      printf '%d\r\n' $(((seite * 7 + feld * 13) % 256))
    done
  done
} > "$work/karte.map"
"$TOOL" check "$work/karte.map" > /dev/null

if perf stat -x, -e task-clock true 2>/dev/null; then
  # Prints "CPU-ms WALL-ms" of one run of the command.
  messen() {
    perf stat -x, -e task-clock,duration_time "$@" 2>&1 >/dev/null \
      | awk -F, '$3 == "task-clock" { cpu = $1 } $3 == "duration_time" { wand = $1 / 1e6 }
                 END { printf "%.2f %.2f\n", cpu, wand }'
  }
  quelle="perf task-clock"
else
  messen() {
    python3 - "$@" <<'EOF'
import os, subprocess, sys, time
start = time.monotonic()
p = subprocess.Popen(sys.argv[1:], stdout=subprocess.DEVNULL)
_, _, nutzung = os.wait4(p.pid, 0)
print("%.2f %.2f" % ((nutzung.ru_utime + nutzung.ru_stime) * 1000, (time.monotonic() - start) * 1000))
EOF
  }
  quelle="wait4 rusage"
fi

median() {
  sort -n | awk '{ werte[NR] = $1 } END { print (NR % 2) ? werte[(NR + 1) / 2] : (werte[NR / 2] + werte[NR / 2 + 1]) / 2 }'
}

# Runs a command RUNS times and prints its two medians.
reihe() {
  local name=$1
  shift
  for ((i = 0; i < RUNS; i++)); do messen "$@"; done > "$work/$name.txt"
  printf '%-7s CPU %7.2f ms   Wand %7.2f ms   (Median aus %d Läufen, %s)\n' "$name" \
    "$(cut -d' ' -f1 "$work/$name.txt" | median)" "$(cut -d' ' -f2 "$work/$name.txt" | median)" "$RUNS" "$quelle"
}

# For scale: the start of a program that links Qt Core alone and does
# nothing, Qt's resource compiler, when it is installed.
rcc=$(command -v /usr/lib/qt6/libexec/rcc rcc | head -n 1 || true)
[ -n "$rcc" ] && reihe rcc "$rcc" --version
reihe check "$TOOL" check "$work/karte.map"
reihe render "$TOOL" render "$work/karte.map" -o "$work/karte.png" --tiles resources/tiles
