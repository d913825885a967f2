#!/usr/bin/env bash
# Starts every window program many times and counts the starts whose window
# is not on the screen within 10 s, and says of each whether it came later
# (with its stacks at 10 s) or froze (no window in 60 s).  Each start is seen
# from outside by bench/kartenzeit.c (the X server's MapNotify of the
# program's window), then the program is ended.  Not part of the test
# command: it proves that no start can hang.
#   bash bench/start_wiederholen.sh [BUILD-ORDNER] [STARTS] [belastet]
# STARTS per program (default 1000); with "belastet" both cores are kept
# busy by stress-ng meanwhile; KV_PROGRAMME="kopdra wendis" starts only
# those.  Exit status 1 when a start froze, 2 when starts cannot be measured.
set -uo pipefail
cd "$(dirname "$0")/.."
source bench/fenster_start.sh
build=$(realpath "${1:-build}")
starts=${2:-1000}
last=${3:-}
tmp=$(mktemp -d "${TMPDIR:-/tmp}/start-wiederholen.XXXXXX")
stress=""
trap 'rm -rf "$tmp"; [ -n "$stress" ] && kill "$stress" 2>/dev/null' EXIT
cc -O2 -o "$tmp/kartenzeit" bench/kartenzeit.c -lX11
if [ "$last" = belastet ]; then
  command -v stress-ng >/dev/null || { echo "stress-ng fehlt (apt-get install stress-ng)" >&2; exit 2; }
  stress-ng --cpu "$(nproc)" --timeout 0 >/dev/null 2>&1 &
  stress=$!
fi
cd pictures # where the programs find their pictures
gesamt=0
printf '%-8s %7s %9s %10s\n' Programm Starts eingefroren "median/ms"
for prog in ${KV_PROGRAMME:-$(cat "$build/rechner.txt")}; do
  [ -x "$build/$prog" ] || { echo "$build/$prog fehlt: erst bauen" >&2; exit 2; }
  haengt=0
  : > "$tmp/zeiten"
  for ((i = 0; i < starts; i++)); do
    # timeout ends kartenzeit and the program it started (one process group).
    # A start without its window after 10 s counts; the wait goes on to 60 s
    # with the program's stacks taken at 10 s, to tell a late start from a
    # frozen one.
    if zeit=$(KARTENZEIT_NUR_KARTE=1 KARTENZEIT_STAPEL_NACH=10 timeout -k 2 60 \
                "$tmp/kartenzeit" "${titel[$prog]}" "$build/$prog" 2>"$tmp/stapel"); then
      ms=${zeit%% *}
      echo "$ms" >> "$tmp/zeiten"
      if [ "${ms%.*}" -ge 10000 ]; then
        haengt=$((haengt + 1))
        echo "$prog: Start $((i + 1)) nach 10 s ohne Fenster, es kam nach $ms ms" >&2
        cat "$tmp/stapel" >&2
      fi
    else
      status=$?
      if [ "$status" -ne 124 ] && [ "$status" -ne 137 ]; then
        # Not the program's fault: the display gone, kartenzeit not running.
        cat "$tmp/stapel" >&2
        echo "$prog: Start $((i + 1)) nicht messbar (Status $status): abgebrochen" >&2
        exit 2
      fi
      haengt=$((haengt + 1))
      echo "$prog: Start $((i + 1)) nach 60 s ohne Fenster: eingefroren; die Stapel nach 10 s:" >&2
      cat "$tmp/stapel" >&2
    fi
  done
  median=$(sort -n "$tmp/zeiten" | awk '{ a[NR] = $1 } END { if (NR) print a[int((NR + 1) / 2)]; else print "-" }')
  printf '%-8s %7d %9d %10s\n' "$prog" "$starts" "$haengt" "$median"
  gesamt=$((gesamt + haengt))
done
echo "eingefroren: $gesamt"
[ "$gesamt" -eq 0 ]
