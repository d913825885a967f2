#!/usr/bin/env bash
# The report, the calculation record and the diagram in English under
# en_US: no German word left of those the cores, the working and the record
# write, and every number that of the German output, digit for digit and in
# the same order (the texts around them translated, the values not).  Under
# the pseudo-language xx, which wraps every line of every message in
# [[...]], no such word outside the brackets: every text is marked.
#   berichte_sprachen.sh <maschinenelemente> <folder of the catalogues>
#                       <folder of the pseudo-language's catalogue>
set -uo pipefail
programm=$1
export KV_LOCALEDIR=$2
pseudo=$3
# One date for both records.
export SOURCE_DATE_EPOCH=1700000000
fehler=0
falsch() { echo "FEHLER: $*"; fehler=1; }
ordner=$(mktemp -d)
trap 'rm -rf "$ordner"' EXIT

# German words of the reports, the working, the checks, the record's own
# lines and the diagrams; not those of the fields' captions, which the
# calculators' descriptions give.
DEUTSCH='Ergebnisse|Eingabedaten|Geometriedaten|Auswahl|Knickfall|Knickung|elastische|unelastische|nach|Schlankheitsgrad|Grenzschlankheitsgrad|Druckspannung|zul|Maximalkraft|Traegheitsradius|freie|Drehmomente|Drehzahlen|Drehmassen|Drehmasse|Lastdrehzahl|Kuppeln|Schaltungen|Beschleunigungszeit|Synchrondrehzahl|Reibarbeit|Verlustleistung|Hochlaufzeit|Zeit|bis|Betriebsart|wenn|ist|Berechnungsergebnisse|Geometrie|Werkstoffdaten|Schmierung|Schmierloch|Ringnut|berechnet|Bedingung|erfuellt|nicht|Oelmenge|Uebergang|Sommerfeldzahl|Exzentrizitaet|Naeherung|Bisektion|Schmierfilm|duenner|Nachgiebigkeit|Schraube|Platte|Platten|gewaehlt|Ja|Nein|Ausschlagsspannung|Spannungsdifferenz|Schraubenkraft|Kraftverlust|Setzen|Schraubenzusatzkraft|Flanschentlastungskraft|Montagekraft|Anziehmoment|Mittelkraft|Ausschlagskraft|Verspannungsschaubild|Verlaengerung|Steigung|Krafteinleitung|erforderliche|Vorspannkraft|Betriebskraft|Restklemmkraft|Achse|beginnt|Spannung|Oberseite|Unterseite|Mitte|innen|aussen|Druck|Zug|spannungsfrei|Arbeit|Federkennlinie|Kennlinie|Betriebspunkt|Tellerfeder|liegt|ausserhalb|Bereichs|Rechengang|Pruefungen|Reihenfolge|Formel|Zahlen|Stellen|Rechnungsnachweis|Verfahren|Programm|Berechnet|Projekt|Bearbeiter|Eingaben|Eingabe|Einheit|Wert|Ergebnis|Diagramm|Dargestellter|Bereich|Eingabesatz|Vollstaendig|Nachrechnen|Seite|von|Grad|und|oder|der|die|das|des|mit|ueber|bei|auf|zur|fuer|gilt|gelten|hier|zulaessig|zulaessige|Tetmajer-Bereich|Euler-Hyperbel|Kraft|Federweg|Federkraft|Rutschen|danach|gemeinsam|gemeinsamer|Hochlauf|Antriebsseite|Lastseite|Grenzflaechenpressung|Streckgrenze|Grenzwert|ohne|vergleichen'

# Every number of a text, one a line, signs left aside (a hyphen is no minus).
zahlen() { grep -oE '[0-9]+(\.[0-9]+)?([eE][-+]?[0-9]+)?' <<<"$1"; }
seite='(\[\[)?(Seite [0-9]+ von|Page [0-9]+ of) [0-9]+(\]\])?'
# A PDF's text in the order it is drawn (a table row by row, wherever a page
# breaks), without the pages' footers (the program's title, the page).
pdf_texte() { # <pdf> <program>
  pdftotext -raw -enc UTF-8 "$1" - \
    | grep -vE -e "\\($2\\)( $seite)?\$" -e "^$seite\$" | tr -d '\f'
}
# The record up to its last part, the input set as the file holds it.
nachweis_text() { pdf_texte "$1" "$2" | sed -E '/^(\[\[)?(Complete, to repeat|Vollstaendig, zum)/,$d'; }
# The captions of every field, option and result of the calculator's
# description in a language taken out of a text, the longest first (a
# caption may hold a shorter one): the description's words are its own.
ohne_beschriftungen() { # <program> <language> <text>
  local text=$3 beschriftung liste=$ordner/beschriftungen.$1.$2
  if [ ! -e "$liste" ]; then
    { env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG="$2" "$programm" "$1" --namen
      env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG="$2" "$programm" "$1" --ergebnisnamen; } \
      | cut -f2 | awk '{ print length($0) "\t" $0 }' | sort -rn | cut -f2- >"$liste"
  fi
  while IFS= read -r beschriftung; do
    [ -n "$beschriftung" ] && text=${text//"$beschriftung"/}
  done <"$liste"
  printf '%s\n' "$text"
}
# What else the description gives the record: the title and method, the
# rows left empty, a label's name (as the JSON names it).
ohne_beschreibung() { # <program> <text>
  ohne_beschriftungen "$1" C "$2" \
    | sed -e '2d' -e 's/^Method: .*//' -e 's/(kept in the input set): .*//' -e 's/^Knickung: //'
}

# Runs one case under a locale: report on stdout, record and diagram beside.
rechnen() { # <language> <name> <arguments...>
  local sprache=$1 name=$2; shift 2
  # shellcheck disable=SC2086
  env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=$sprache timeout 60 "$programm" "$@" \
    --diagramm "$ordner/$name.diagramm.pdf" --nachweis "$ordner/$name.pdf" >"$ordner/$name.txt" \
    || falsch "$name: the call under $sprache failed: $*"
}

fall() { # <case name> <program> <arguments...>
  local name=$1 p=$2; shift
  rechnen C "$name.de" "$@"
  rechnen en_US.UTF-8 "$name.en" "$@"
  local teil de en woerter
  for teil in bericht nachweis diagramm; do
    case $teil in
      bericht)  de=$(cat "$ordner/$name.de.txt"); en=$(cat "$ordner/$name.en.txt"); woerter=$en ;;
      nachweis) # The captions carry numbers of their own ("N/mm^2").
                de=$(ohne_beschriftungen "$p" C "$(nachweis_text "$ordner/$name.de.pdf" "$p")")
                en=$(nachweis_text "$ordner/$name.en.pdf" "$p")
                woerter=$(ohne_beschreibung "$p" "$en")
                en=$(ohne_beschriftungen "$p" en_US.UTF-8 "$en") ;;
      diagramm) de=$(pdf_texte "$ordner/$name.de.diagramm.pdf" "$p"); en=$(pdf_texte "$ordner/$name.en.diagramm.pdf" "$p")
                woerter=$en ;;
    esac
    [ -n "$en" ] && [ -n "$de" ] || { falsch "$name: no $teil"; continue; }
    [ "$en" != "$de" ] || falsch "$name: the $teil under en_US is the German one"
    local rest
    rest=$(grep -owE "$DEUTSCH" <<<"$woerter" | sort | uniq -c | head -20)
    [ -z "$rest" ] || falsch "$name: German words in the English $teil:"$'\n'"$rest"
    # In a PDF the words of each language take their own room: a caption
    # wraps, an axis title stands higher or lower beside the ticks, and the
    # text extracted takes the numbers in another order.  There each number,
    # digit for digit, as often as in German; the report in its order.
    local ordnen=cat
    [ "$teil" = bericht ] || ordnen=sort
    if [ "$(zahlen "$de" | $ordnen)" != "$(zahlen "$en" | $ordnen)" ]; then
      falsch "$name: the numbers of the English $teil are not the German ones:"$'\n'"$(diff <(zahlen "$de" | $ordnen) <(zahlen "$en" | $ordnen) | head -10)"
    fi
  done
  im_bild "$name" "$ordner/$name.en.diagramm.pdf" 800x500
  rechnen en_US.UTF-8 "$name.klein" "$@" --groesse 400x300
  im_bild "$name" "$ordner/$name.klein.diagramm.pdf" 400x300
  # The report's values stand in the German column.
  local spalten_de spalten_en
  spalten_de=$(grep -E ':  +[-0-9]' "$ordner/$name.de.txt" | awk -F': +' '{ print length($0) - length($NF) }')
  spalten_en=$(grep -E ':  +[-0-9]' "$ordner/$name.en.txt" | awk -F': +' '{ print length($0) - length($NF) }')
  [ "$spalten_de" = "$spalten_en" ] || falsch "$name: the English report's values are not in the German columns"
}

# Every English word of a diagram inside the picture, at the default size
# and at a small one: the layout measures the English captions as it does
# the German ones.
im_bild() { # <case name> <diagram> <size>
  local draussen
  draussen=$(pdftotext -bbox "$2" - | awk -F'"' '
    /<page / { b = $2; h = $4 }
    /<word / { if ($2 < 0 || $4 < 0 || $6 > b + 0.5 || $8 > h + 0.5) print }')
  [ -z "$draussen" ] || falsch "$1, $3: words outside the picture:"$'\n'"$draussen"
}

# Under xx: the texts outside every [[...]] (nested ones too, a line broken
# inside one joined again) hold no German word of the list.
ungeklammert() { tr '\n\f' '  ' <<<"$1" | sed -E ':a; s/\[\[[^][]*\]\]//; ta'; }
pseudofall() { # <case name> <program> <arguments...>
  local name=$1.xx p=$2 teil text rest; shift
  KV_LOCALEDIR=$pseudo rechnen "en_US.UTF-8 LANGUAGE=xx" "$name" "$@"
  for teil in bericht nachweis diagramm; do
    case $teil in
      bericht)  text=$(cat "$ordner/$name.txt") ;;
      nachweis) text=$(ohne_beschreibung "$p" "$(nachweis_text "$ordner/$name.pdf" "$p")") ;;
      diagramm) text=$(pdf_texte "$ordner/$name.diagramm.pdf" "$p") ;;
    esac
    grep -q '\[\[' <<<"$text" || { falsch "$name: no text of the pseudo-language in the $teil"; continue; }
    rest=$(ungeklammert "$text" | grep -owE "$DEUTSCH" | sort | uniq -c)
    [ -z "$rest" ] || falsch "$name: German words outside [[...]] in the $teil:"$'\n'"$rest"
  done
}

fall stalor stalor
fall stalor_tetmajer stalor l1=100
fall tarvex tarvex
fall tarvex_krafteinleitung tarvex n=0.5 Dehnschraube=ja
fall lupran lupran
fall lupran_direkt lupran eps_direkt=ja Oelzufuhr=2
fall kopdra kopdra
fall kopdra_gesucht kopdra Modus=gesucht tB=0.5
fall wendis wendis s=0.5 s1=0 s2=1
pseudofall stalor stalor
pseudofall tarvex tarvex n=0.5
pseudofall lupran lupran
pseudofall kopdra_gesucht kopdra Modus=gesucht tB=0.5
pseudofall wendis wendis

exit $fehler
