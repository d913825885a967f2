#!/usr/bin/env bash
# Speed and size of the calculation record (--nachweis): each calculator's
# record with its defaults, made in memory 1 + N times in one process
# (N = 50 by default): the first one, which also loads the fonts, and the
# median and maximum of the others; then the whole command line with the
# record against the same call without it, as a user would run it.  The goal:
# a tarvex record in under 50 ms and under 200 KiB.
# Builds optimised into build-bench/.  Run from anywhere:  bash bench/nachweis.sh [N]
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-bench -j2 --target maschinenelemente nachweis_zeit >/dev/null

echo "Nachweis im Speicher, ein Kern:"
taskset -c 0 build-bench/nachweis_zeit "${1:-50}"
echo
echo "Ganzer Aufruf (Median von 11 Laeufen), mit und ohne --nachweis:"
ordner=$(mktemp -d)
trap 'rm -rf "$ordner"' EXIT
median() { sort -n | sed -n 6p; }
for p in $(cat build-bench/rechner.txt); do
  mit=$(for i in $(seq 11); do
    s=$(date +%s%N); build-bench/maschinenelemente $p --nachweis "$ordner/$p.pdf" >/dev/null
    echo $(( ($(date +%s%N) - s) / 1000 )); done | median)
  ohne=$(for i in $(seq 11); do
    s=$(date +%s%N); build-bench/maschinenelemente $p >/dev/null
    echo $(( ($(date +%s%N) - s) / 1000 )); done | median)
  awk -v p="$p" -v mit="$mit" -v ohne="$ohne" -v b="$(stat -c %s "$ordner/$p.pdf")" \
    'BEGIN { printf "%-7s mit %6.1f ms, ohne %6.1f ms, Datei %6.1f KiB\n", p, mit / 1000, ohne / 1000, b / 1024 }' 
done
