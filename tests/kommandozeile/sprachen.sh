#!/usr/bin/env bash
# The command line's help and messages in the reader's language, as the
# real program chooses it from the environment (LANGUAGE, LC_ALL,
# LC_MESSAGES, LANG): German, as ever, under C, POSIX, de_DE and a language
# without catalogue; English under en_US, the help whole and with the same
# examples, the messages with the same names, values and positions.
#   sprachen.sh <maschinenelemente> <folder of the catalogues> <list of the calculators>
set -uo pipefail
programm=$1
export KV_LOCALEDIR=$2
fehler=0
falsch() { echo "FEHLER: $*"; fehler=1; }
hilfe() { env -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LANG "$@" "$programm" --help; }

deutsch=$(hilfe LANG=C) || falsch "--help under C failed"
[ "${deutsch%%$'\n'*}" = "Aufruf: maschinenelemente PROGRAMM [NAME=WERT ...] [OPTIONEN]" ] \
  || falsch "German help begins: ${deutsch%%$'\n'*}"
for umgebung in LANG=POSIX LANG=de_DE.UTF-8 LANG=fr_FR.UTF-8 LC_ALL=de_DE.UTF-8 \
                "LANG=en_US.UTF-8 LC_ALL=de_DE.UTF-8" "LANG=de_DE.UTF-8 LANGUAGE=fr" "LANG=C LANGUAGE=en"; do
  # shellcheck disable=SC2086
  [ "$(hilfe $umgebung)" = "$deutsch" ] || falsch "help under $umgebung is not the German one"
done

englisch=$(hilfe LANG=en_US.UTF-8) || falsch "--help under en_US failed"
[ "${englisch%%$'\n'*}" = "Usage: maschinenelemente PROGRAM [NAME=VALUE ...] [OPTIONS]" ] \
  || falsch "English help begins: ${englisch%%$'\n'*}"
for umgebung in "LANG=de_DE.UTF-8 LC_MESSAGES=en_US.UTF-8" "LANG=de_DE.UTF-8 LANGUAGE=en" \
                "LANG=de_DE.UTF-8 LC_ALL=en_US.UTF-8" "LANG=en_GB.UTF-8 LC_MESSAGES=en_US.UTF-8"; do
  # shellcheck disable=SC2086
  [ "$(hilfe $umgebung)" = "$englisch" ] || falsch "help under $umgebung is not the English one"
done
# No German word left, the symbols, names, option values (quoted) and the
# examples aside.
rest=$(sed -e '/^Examples:/,$d' -e 's/"[^"]*"//g' <<<"$englisch" \
  | grep -nEw 'Aufruf|Rechnet|Fenster|Optionen|Ausgabe|Vorgabe|setzt|Eingabesatz|Diagramm|zeichnet|Kennlinie|Groesse|Suchbereich|Tabellen|hat|keine|Kataloge|Rueckgabewert|Beispiele|Knickung|Tellerfedern|Schraubenverbindungen|Schaltkupplungen|Gleitlager|Radial-Gleitlager|fuenf|und|oder|der|die|das|mit')
[ -z "$rest" ] || falsch "German words in the English help:"$'\n'"$rest"
# The examples are commands: the same in every language.
[ "$(sed -n '/^Examples:/,$p' <<<"$englisch" | tail -n +2)" = "$(sed -n '/^Beispiele:/,$p' <<<"$deutsch" | tail -n +2)" ] \
  || falsch "the English help's examples differ from the German ones"
# No line of its own wider than the German help allows itself.
breit=$(sed -e '/^Examples:/,$d' <<<"$englisch" | awk 'length > 89 { print NR ": " $0 }')
[ -z "$breit" ] || falsch "lines wider than 89 characters:"$'\n'"$breit"

# Messages: the German ones as ever, the English ones with the same pieces.
meldung() { # <language> <expected message> <arguments...>
  local sprache=$1 soll=$2; shift 2
  local ist
  ist=$(env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG="$sprache" "$programm" "$@" 2>&1 >/dev/null)
  [ "$ist" = "maschinenelemente: $soll" ] || falsch "$sprache, $*: [$ist], not [maschinenelemente: $soll]"
}
meldung C 'unbekannter Name "X" fuer stalor (--namen zeigt die Namen)' stalor X=1
meldung en_US.UTF-8 'unknown name "X" for stalor (--namen shows the names)' stalor X=1
meldung de_DE.UTF-8 'F ist zweimal angegeben' stalor F=1 F=2
meldung en_US.UTF-8 'F is given twice' stalor F=1 F=2
meldung en_US.UTF-8 'Knickfall=9: allowed are 1, 2, 3, 4' stalor Knickfall=9
meldung en_US.UTF-8 '--variiere l1=1x:2:3: position 2: not a number' stalor --variiere l1=1x:2:3
meldung C 'Feld l1 (Knicklaenge L1 / mm): Stelle 3: keine Zahl' stalor l1=22x
meldung en_US.UTF-8 'field l1 (Member length L1 / mm): position 3: not a number' stalor l1=22x
meldung en_US.UTF-8 'unknown program "nix" (stalor, tarvex, lupran, kopdra, wendis)' nix
meldung en_US.UTF-8 '--groesse 0x9: expected WIDTHxHEIGHT, each 1 to 10000 pixels' stalor --diagramm a.png --groesse 0x9

# The json and the lists of names of every calculator: the captions in the
# reader's language, the keys, names, option values and every number the
# same as in German.
ohne_texte() {
  sed -E -e 's/"(beschriftung|titel|verfahren|rahmen|meldung)": "[^"]*"/"\1": ""/g' \
    -e 's/"text": "[^"0-9]*"/"text": ""/g; s/"name": "[^"]*", "wert"/"name": "", "wert"/g' \
    -e 's/"knoepfe": \[[^]]*\]/"knoepfe": []/g' -e 's/^([^\t]*)\t[^\t]*/\1\t/'
}
zahlen() { grep -oE '[-+]?[0-9]+(\.[0-9]+)?([eE][-+]?[0-9]+)?'; }
while read -r p; do
  for art in "--format json" --namen --ergebnisnamen; do
    # shellcheck disable=SC2086
    de=$(env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=C "$programm" "$p" $art) || { falsch "$p $art under C failed"; continue; }
    # shellcheck disable=SC2086
    en=$(env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=en_US.UTF-8 "$programm" "$p" $art) || { falsch "$p $art under en_US failed"; continue; }
    [ "$(ohne_texte <<<"$en")" = "$(ohne_texte <<<"$de")" ] || falsch "$p $art: English and German differ beyond their texts"
    [ "$(ohne_texte <<<"$en" | zahlen)" = "$(ohne_texte <<<"$de" | zahlen)" ] || falsch "$p $art: the English numbers are not the German ones"
    [ "$en" != "$de" ] \
      || falsch "$p $art: the captions are German under en_US"
  done
done <"$3"
exit $fehler
