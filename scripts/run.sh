#!/usr/bin/env bash
# Installs what is missing, builds, and starts one calculator (default stalor)
# with the picture folder as working directory.
set -euo pipefail
cd "$(dirname "$0")/.."
programm=${1:-stalor}
case "$programm" in
  tarvex|lupran|kopdra|wendis|stalor) ;;
  *) echo "Unbekanntes Programm: $programm (tarvex, lupran, kopdra, wendis, stalor)" >&2; exit 2 ;;
esac
bash scripts/install-deps.sh
cmake -S . -B build >/dev/null
cmake --build build -j"$(nproc)" --target "$programm"
cd pictures
exec ../build/"$programm"
