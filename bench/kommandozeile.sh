#!/usr/bin/env bash
# Speed and memory of the command line's studies: a study of 1,000,000 points
# of each calculator to CSV into /dev/null, rows per second beside the floor
# (the same numbers of the same rows only formatted and written), and the
# peak memory of the real program for 10,000 and for 1,000,000 points.
# Builds optimised into build-bench/.  Run from anywhere:  bash bench/kommandozeile.sh
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-bench -j"$(nproc)" --target maschinenelemente studie_boden >/dev/null

studien=(
  "stalor --variiere l1=100:400:1000 --variiere F=1000:5000:RASTER"
  "tarvex --variiere d=10:20:1000 --variiere FAo=1000:30000:RASTER"
  "lupran --variiere f=10000:50000:1000 --variiere rn=500:3000:RASTER"
  "kopdra --variiere TK=16000:30000:1000 --variiere JL=10:100:RASTER"
  "wendis --variiere s=0:1:1000 --variiere t=0.5:2:RASTER"
)
echo "Studien mit 1.000.000 Punkten, CSV nach /dev/null, ein Kern:"
for s in "${studien[@]}"; do
  # shellcheck disable=SC2086
  taskset -c 0 build-bench/studie_boden ${s//RASTER/1000}
done
echo
echo "Hoechster Speicherbedarf (RSS) des Programms bei 10.000 und 1.000.000 Punkten:"
for s in "${studien[@]}"; do
  klein=$( { /usr/bin/time -f %M build-bench/maschinenelemente ${s//RASTER/10} --format csv >/dev/null; } 2>&1 )
  gross=$( { /usr/bin/time -f %M build-bench/maschinenelemente ${s//RASTER/1000} --format csv >/dev/null; } 2>&1 )
  printf '%-7s %6s KiB bei 10.000, %6s KiB bei 1.000.000 Punkten\n' "${s%% *}" "$klein" "$gross"
done
