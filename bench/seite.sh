#!/usr/bin/env bash
# The web page: its size (goal under 1 MiB), the time from opening it from
# file:// to the ready form in headless Chromium (goal under 300 ms), and from
# a click on "Rechnen" to the shown results (goal under 20 ms), per calculator.
# Builds the page into build-wasm/.  Run from anywhere:  bash bench/seite.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
[ -f build-wasm/CMakeCache.txt ] || cmake -S . -B build-wasm -DCMAKE_TOOLCHAIN_FILE=cmake/wasm32-wasi.cmake >/dev/null
cmake --build build-wasm -j2 --target seite >/dev/null
seite=build-wasm/maschinenelemente.html
echo "Seite: $(stat -c %s $seite) Bytes, gzip -9: $(gzip -9c $seite | wc -c) Bytes"
/usr/bin/python3 bench/seite_messen.py "$seite" "${1:-15}"
