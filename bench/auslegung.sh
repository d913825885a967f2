#!/usr/bin/env bash
# Time of a design: first in the process, one call of the command line over
# every built-in table (and the walk over its entries alone), median and
# best of 51 runs, on one core; then over the largest tables as the whole
# program (start, catalogues read, every entry computed with its checks, the
# listing written), best and median of 21 runs each, against the bare start
# of the program printing its help.  Builds optimised into build-bench/.
#   bash bench/auslegung.sh
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-bench -j2 --target maschinenelemente auslegung_zeit >/dev/null
m=build-bench/maschinenelemente

echo "Im Prozess, auf einem Kern:"
taskset -c 0 build-bench/auslegung_zeit || true
echo
echo "Als ganzes Programm:"

# zeiten ARGS...: best and median wall time in ms of 21 runs.
zeiten() {
  local t=()
  for _ in $(seq 21); do
    local a b
    a=$(date +%s%N)
    "$m" "$@" >/dev/null 2>&1 || true
    b=$(date +%s%N)
    t+=($(((b - a) / 1000)))
  done
  mapfile -t t < <(printf '%s\n' "${t[@]}" | sort -n)
  printf '%6.1f ms bester, %6.1f ms Median' "$(echo "${t[0]} / 1000" | bc -l)" "$(echo "${t[10]} / 1000" | bc -l)"
}

printf '%-62s %s\n' "--help (nur der Start)" "$(zeiten --help)"
for aufruf in "stalor --auslegung hea --katalog baustahl:S235 F=100000 l1=4000 Knickfall=2 S=3" \
              "stalor --auslegung heb F=100000 l1=4000 --format json" \
              "tarvex --auslegung schrauben_sechskant_mittel FAo=40000 Qualitaet=10.9" \
              "wendis --auslegung tellerfedern_a F>=1000"; do
  # shellcheck disable=SC2086
  printf '%-62s %s\n' "$aufruf" "$(zeiten $aufruf)"
done
