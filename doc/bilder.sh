#!/usr/bin/env bash
# Takes the README's pictures of the windows again: each program started in
# its own Xvfb from the picture folder, driven by its shortcuts as a user
# would (F5 "Rechnen", Alt+B K "Kennlinie zeichnen", F10 for the menu, Ctrl+G
# "Zielwert suchen..." with its fields filled by keys, Ctrl+K "Katalog..."
# with an entry chosen; stalor and its search once more in English), and the
# screen cut to the window; and the first page of each calculator's
# calculation record.  Needs a build in build/ (or KV_BAU=folder),
# xdotool, ImageMagick, gettext and pdftoppm (poppler-utils).
#   bash doc/bilder.sh
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -z "${KV_BILDER_IN_XVFB:-}" ]; then
  exec env KV_BILDER_IN_XVFB=1 xvfb-run -a -s '-screen 0 1280x1024x24' bash "$(realpath "$0")" "$@"
fi
build=$(realpath "${KV_BAU:-build}") doc=$PWD/doc
tmp=$(mktemp -d "${TMPDIR:-/tmp}/bilder.XXXXXX")
trap 'rm -rf "$tmp"' EXIT
cd pictures

# bild PROGRAMM TITEL DATEI TASTEN... [-- ARGUMENTE]: start, press the keys
# one after another, photograph.
bild() {
  local programm=$1 titel=$2 datei=$3; shift 3
  local tasten=() argumente=()
  while [ $# -gt 0 ] && [ "$1" != -- ]; do tasten+=("$1"); shift; done
  [ $# -gt 0 ] && shift && argumente=("$@")
  "$build/$programm" "${argumente[@]}" &
  local pid=$!
  local fenster
  fenster=$(timeout 15 xdotool search --sync --onlyvisible --name "^$titel\$" | head -n 1)
  xdotool windowfocus --sync "$fenster"
  sleep 0.5
  for t in "${tasten[@]}"; do
    xdotool key "$t"
    sleep 0.4
  done
  import -window root "$tmp/bild.png"
  kill "$pid"
  wait "$pid" || true
  convert "$tmp/bild.png" -trim +repage "$doc/$datei"
  echo "$doc/$datei"
}

"$build/maschinenelemente" kopdra --eingaben-schreiben "$tmp/gesucht.kopdra" Modus=gesucht
bild stalor "Knickung von Bauteilen" stalor.png F5
bild stalor "Knickung von Bauteilen" stalor_menue.png F10
bild stalor "Knickung von Bauteilen" stalor_en1993.png F5 alt+b n
bild tarvex "Schraubenberechnung nach VDI 2230" tarvex.png F5
bild kopdra "Berechung von Schaltgetrieben" kopdra_gegeben.png F5
bild kopdra "Berechung von Schaltgetrieben" kopdra_gesucht.png F5 -- "$tmp/gesucht.kopdra"
bild lupran "Radial-Gleitlager-Berechnung nach DIN 31652" lupran.png F5
bild wendis "Berechung von Tellerfedern nach DIN 2093" wendis.png F5 alt+b k
bild tarvex "Schraubenberechnung nach VDI 2230" katalog.png ctrl+k Down Down Down Down Down Down Down
bild stalor "Knickung von Bauteilen" zielwert.png ctrl+g alt+e Down Down Down Down Down Down \
  alt+z ctrl+a 2 0 0 0 alt+f Down alt+s

# The same window and dialog in English, with the build's catalogues; the
# window found by its title in English.
(
  export LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 LANGUAGE= KV_LOCALEDIR=$build/locale
  titel=$(TEXTDOMAINDIR=$KV_LOCALEDIR gettext -d maschinenelemente "Knickung von Bauteilen")
  bild stalor "$titel" stalor_en.png F5
  bild stalor "$titel" zielwert_en.png ctrl+g alt+r Down Down Down Down Down Down \
    alt+t ctrl+a 2 0 0 0 alt+f Down alt+s
)

# The first page of each record, with its defaults, dated by the changelog.
export SOURCE_DATE_EPOCH
SOURCE_DATE_EPOCH=$(date -d "$(sed -n 's/^ -- .*>  //p' ../debian/changelog | head -n 1)" +%s)
for programm in $(cat "$build/rechner.txt"); do
  "$build/maschinenelemente" "$programm" --nachweis "$tmp/$programm.pdf" \
    --projekt "Beispiel" --bearbeiter "A. Muster" >/dev/null
  pdftoppm -png -r 72 -f 1 -l 1 -singlefile "$tmp/$programm.pdf" "$doc/nachweis_$programm"
  echo "$doc/nachweis_$programm.png"
done
