#!/usr/bin/env bash
# Speed of the search (maschinenelemente --suche, the dialog "Zielwert
# suchen..."): searches per second of each calculator on one core, the
# computations each search makes, and the floor: single computations per
# second divided by the computations of a search.  Builds optimised into
# build-bench/.  Run from anywhere:  bash bench/suche.sh
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-bench -j2 --target suche_messen >/dev/null
echo "Suchen auf einem Kern (Vorgabe: ein Zehntel bis das Zehnfache, Dekade: eine Dekade):"
taskset -c 0 build-bench/suche_messen
