#!/usr/bin/env bash
# Start-up of the five windows against a bare GTK+ 2 window with one label:
# the time from starting a program to the X server mapping its window, and
# its resident memory once the window has drawn itself.  Runs in its own
# Xvfb; each program alternates with the bare window, PAARE pairs each
# (default 21), and the medians are compared.  A second yardstick, the bare
# window with as many captioned fields as the program's window has and
# nothing else (bench/felder_fenster.c), shows how much of the difference
# the toolkit needs for the fields alone.
#   bash bench/start.sh [BUILD-ORDNER] [PAARE]
# Needs a build (default build/), cc, pkg-config, the GTK+ 2 and X11 headers
# and xvfb-run.  A program may map at most 1.25 times as late as the bare
# window and use at most 4 MiB more memory; the exit status is 1 when one
# does not keep to that.
#
# "Mapped" is seen from outside by bench/kartenzeit.c: it listens on the root
# window for MapNotify before it starts the program and stops the clock at the
# map of the top-level window with the program's title.  That is the moment
# a window manager would show the window; the program is run as installed,
# with no test hook, and no polling interval blurs the time.
set -euo pipefail
cd "$(dirname "$0")/.."
source bench/fenster_start.sh
build=$(realpath "${1:-build}")
paare=${2:-21}
tmp=$(mktemp -d "${TMPDIR:-/tmp}/start.XXXXXX")
trap 'rm -rf "$tmp"' EXIT

cc -O2 -o "$tmp/kartenzeit" bench/kartenzeit.c -lX11
for f in leeres_fenster felder_fenster; do
  cc -O2 -Wno-deprecated-declarations -o "$tmp/$f" "bench/$f.c" $(pkg-config --cflags --libs gtk+-2.0)
done

# Entry fields of each window, inputs and results, as its window tests count
# them.
declare -A felder=([stalor]=14 [tarvex]=62 [lupran]=30 [kopdra]=17 [wendis]=15)

median() { sort -n | awk '{ a[NR] = $1 } END { print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2 }'; }

cd pictures # where the programs find their pictures
# Each run after a short pause: the X server first lets go of the client
# before, which would otherwise land on whichever program starts next.
leer() { sleep 0.1; "$tmp/kartenzeit" "Leeres Fenster" "$tmp/leeres_fenster"; }
programm() { sleep 0.1; "$tmp/kartenzeit" "${titel[$1]}" "$build/$1"; }
nur_felder() { sleep 0.1; "$tmp/kartenzeit" "Felder" "$tmp/felder_fenster" Felder "${felder[$1]}"; }

ok=1
printf '%-8s %8s %8s %7s %10s %7s %9s %9s %11s\n' Programm "leer/ms" "prog/ms" Faktor \
  "felder/ms" Faktor "leer/KiB" "mehr/KiB" "felder+/KiB"
for p in $(cat "$build/rechner.txt"); do
  leer >/dev/null; programm "$p" >/dev/null; nur_felder "$p" >/dev/null # caches warm
  : >"$tmp/leer"; : >"$tmp/prog"; : >"$tmp/felder"
  for _ in $(seq "$paare"); do
    leer >>"$tmp/leer"
    programm "$p" >>"$tmp/prog"
    nur_felder "$p" >>"$tmp/felder"
  done
  spalte() { cut -d' ' -f"$1" "$tmp/$2" | median; }
  tl=$(spalte 1 leer); tp=$(spalte 1 prog); tf=$(spalte 1 felder)
  ml=$(spalte 3 leer); mp=$(spalte 3 prog); mf=$(spalte 3 felder)
  faktor=$(awk -v a="$tp" -v b="$tl" 'BEGIN { printf "%.2f", a / b }')
  ffaktor=$(awk -v a="$tf" -v b="$tl" 'BEGIN { printf "%.2f", a / b }')
  mehr=$(awk -v a="$mp" -v b="$ml" 'BEGIN { printf "%d", a - b }')
  fmehr=$(awk -v a="$mf" -v b="$ml" 'BEGIN { printf "%d", a - b }')
  printf '%-8s %8.1f %8.1f %7s %10.1f %7s %9d %9d %11d\n' "$p" "$tl" "$tp" "$faktor" "$tf" \
    "$ffaktor" "$ml" "$mehr" "$fmehr"
  awk -v f="$faktor" -v m="$mehr" 'BEGIN { exit !(f <= 1.25 && m <= 4096) }' || ok=0
done
[ "$ok" = 1 ] || { echo "Ueber der Grenze (1.25fach, 4 MiB mehr)." >&2; exit 1; }
