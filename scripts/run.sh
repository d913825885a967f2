#!/usr/bin/env bash
# Installs what is missing, builds, and starts one calculator (default: the
# first of the list) with the picture folder as working directory.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build >/dev/null
# The calculators of this build, one a line, in the order of the list.
programm=${1:-$(head -n 1 build/rechner.txt)}
if ! grep -qx -- "$programm" build/rechner.txt; then
  echo "Unbekanntes Programm: $programm ($(paste -s -d , build/rechner.txt | sed 's/,/, /g'))" >&2
  exit 2
fi
cmake --build build -j"$(nproc)" --target "$programm"
cd pictures
exec ../build/"$programm"
