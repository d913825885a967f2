#!/bin/sh
# Compares the diagram pictures of two folders written by diagramm_bilder:
# PNG pixel for pixel, PDF by its decompressed streams and, where those
# differ, by its pixels as pdftoppm renders it.  Prints each difference; exit 1 on any.
# Usage: bilder_vergleichen.sh REFERENZ NEU
set -u
ref=$1 neu=$2
tmp=$(mktemp -d) || exit 2
trap 'rm -rf "$tmp"' EXIT
# The decompressed streams of a PDF, without the creation date.
inhalt() {
    python3 - "$1" <<'PY'
import re, sys, zlib
d = open(sys.argv[1], 'rb').read()
for m in re.finditer(rb'stream\r?\n(.*?)endstream', d, re.S):
    s = m.group(1)
    try:
        s = zlib.decompress(s)
    except zlib.error:
        pass
    sys.stdout.buffer.write(s + b'\n--\n')
PY
}
fehler=0 anzahl=0
for a in "$ref"/*; do
    n=$(basename "$a") b="$neu/$n"
    anzahl=$((anzahl + 1))
    if [ ! -f "$b" ]; then echo "fehlt: $n"; fehler=1; continue; fi
    case $n in
    *.png)
        cmp -s "$a" "$b" && continue
        d=$(compare -metric AE "$a" "$b" null: 2>&1)
        [ "$d" = 0 ] || { echo "$n: $d Pixel anders"; fehler=1; } ;;
    *.pdf)
        inhalt "$a" > "$tmp/a" && inhalt "$b" > "$tmp/b"
        cmp -s "$tmp/a" "$tmp/b" && continue
        echo "$n: Inhalt der Seite anders"
        pdftoppm -r 96 -png "$a" "$tmp/ra" && pdftoppm -r 96 -png "$b" "$tmp/rb"
        d=$(compare -metric AE "$tmp/ra-1.png" "$tmp/rb-1.png" null: 2>&1)
        [ "$d" = 0 ] || { echo "$n: gerastert $d Pixel anders"; fehler=1; } ;;
    esac
done
echo "$anzahl Bilder verglichen"
exit $fehler
