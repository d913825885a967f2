#!/usr/bin/env bash
# The WebAssembly module: its size (as built and gzipped; goal under 400 KiB)
# and its computations per second under node against the same C interface
# compiled natively, per calculator (goal: at least half), and its searches
# per second (goal: at least a third), each on one core; last its largest
# pieces from the linker's map.
# Builds into build-wasm/ and build-bench/.  Run from anywhere:  bash bench/netz.sh
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-wasm -DCMAKE_TOOLCHAIN_FILE=cmake/wasm32-wasi.cmake >/dev/null
cmake --build build-wasm -j2 >/dev/null
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-bench -j2 --target netz_zeit >/dev/null
modul=build-wasm/maschinenelemente.wasm
echo "Modul: $(stat -c %s $modul) Bytes ($(( $(stat -c %s $modul) / 1024 )) KiB), gzip -9: $(gzip -9c $modul | wc -c) Bytes"
echo "Je Sekunde (Rechnungen aus den Vorgaben, Suchen des README, mit JSON und Bericht):"
join <(taskset -c 0 node bench/netz_zeit.js "$PWD/$modul" "$PWD/netz/maschinenelemente.js" | sort) \
     <(taskset -c 0 build-bench/netz_zeit | sort) |
  awk '{ printf "  %-13s Modul %8d  nativ %8d  %5.2f\n", $1, $2, $3, $2 / $3 }'
python3 bench/modul_inhalt.py build-wasm/maschinenelemente.map 12
