#!/bin/bash
# Erzeugt alle Bilder (PNG) der Rechenprogramme aus den SVG-Quellen in src/.
# Benötigt rsvg-convert (Debian-Paket librsvg2-bin). Die PNGs liegen im Repository,
# das Übersetzen der Programme braucht dieses Werkzeug also nicht.
set -e
cd "$(dirname "$0")"

png() { # Quelle, Ziel, Breite, Höhe
    rsvg-convert -w "$3" -h "$4" -o "$2" "src/$1"
}

# Jedes Programm hat sein Symbol src/icon_PROGRAMM.svg und die vier Knöpfe.
for symbol in src/icon_*.svg; do
    p=${symbol#src/icon_}
    p=${p%.svg}
    png "icon_$p.svg"   "$p.png"           48 48
    png rechnen.svg     "${p}_rechnen.png"   24 24
    png speichern.svg   "${p}_speichern.png" 24 24
    png info.svg        "${p}_info.png"      24 24
    png ende.svg        "${p}_ende.png"      24 24
done

# Der Knopf "Kennlinie zeichnen" der Programme, die ihn haben.
for z in *_zeichnen.png; do
    png zeichnen.svg "$z" 24 24
done

for n in 1 2 3 4; do
    png "knickfall$n.svg" "Knickfall$n.png" 100 160
done
