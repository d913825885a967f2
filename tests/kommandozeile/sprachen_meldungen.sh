#!/usr/bin/env bash
# The catalogues' listings and refusals, the design's listing, the search's
# and the input sets' messages in the reader's language: each case run under
# C (German), en_US (English) and the build's pseudo-language xx, which
# wraps every translated line in [[...]].  English differs from German, has
# the same exit status, numbers (digit for digit) and names, and no German
# word of these messages; under xx no such word is left outside [[...]].
#   sprachen_meldungen.sh <maschinenelemente> <folder of the catalogues>
#                         <folder of the pseudo-language> <list of the calculators>
set -uo pipefail
programm=$1 katalogordner=$2 pseudoordner=$3 liste=$4
fehler=0
falsch() { echo "FEHLER: $*"; fehler=1; }
tmp=$(mktemp -d) || exit 2
trap 'rm -rf "$tmp"' EXIT
# No user tables but those a case lays out.
export XDG_DATA_HOME=$tmp/keine

# stdout, then stderr (each written whole), then the exit status; a run
# that does not end within 30 s is noted in $tmp/haengt.
lauf() { # <de|en|xx> <arguments...>
  local sprache=$1 status; shift
  case $sprache in
    de) timeout 30 env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=C KV_LOCALEDIR="$katalogordner" "$programm" "$@" ;;
    en) timeout 30 env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=en_US.UTF-8 KV_LOCALEDIR="$katalogordner" "$programm" "$@" ;;
    xx) timeout 30 env -u LC_ALL -u LC_MESSAGES LANG=en_US.UTF-8 LANGUAGE=xx KV_LOCALEDIR="$pseudoordner" "$programm" "$@" ;;
  esac 2>&1
  status=$?
  [ $status != 124 ] || echo "$sprache: maschinenelemente $* did not end within 30 s" >>"$tmp/haengt"
  echo "Status $status"
}

# Words of these messages in German; none may be left in English.
deutsch='keine?|kein|nicht|ist|fuer|hat|mit|von|bis|und|oder|der|die|das|gibt|schon|zweimal|Feld|Stelle|Zahl|Spalte|Kopfzeile|Zeile|Zellen|Kommentarzeile|Tabelle|Eintrag|Eintraege|Bezeichnung|Auswahlen|Quelle|angegeben|erwartet|verwendbar|verweigert|erfuellt|verfehlt|Gewaehlt|Auslegung|Pruefungen|Bedingungen|Grenzwert|Zielwert|Loesung|erreicht|Ergebnisse?|Berechnung|gelungen|haengt|Bereich|Grenzen|muss|kleiner|Eingabefeld|Textfeld|Zahlenfeld|gesucht|gesuchte|variieren|fehlt|Ziel|zeigt|Namen|Eingabesatz|Gruppe|unbekannte[rs]?|Aufbau|fehlerhaft|unterstuetzt|erlaubt|sind|Datei|Ordner|vorhanden|gelesen|Katalog|Kataloge|eigene|braucht|Wert|Optionen'
deutsche_woerter() { grep -onwE "$deutsch"; }
# Numbers as a sorted list: a language may order them otherwise.
zahlen() { grep -oE '[0-9]+(\.[0-9]+)?([eE][-+]?[0-9]+)?' | sort; }
# What is left of a text outside [[...]] (nested, and with [x] inside).
ausserhalb() { sed -E ':a; s/\[\[([^][]|\[[^][]*\])*\]\]//; ta'; }
# Texts of the calculators' folders that this check leaves to theirs: the
# tables' titles and sources, why an entry cannot be used, and the names of
# the checks an entry of a design fails.
# A study's row without a solution: its status is a key, the same in every
# language.
ohne_fremde() {
  printf '%s\n' "$1" | perl -ne '
    BEGIN { open(my $f, "<", shift) or die; chomp(my @t = grep { /\S/ } <$f>);
            $fremd = join "|", map { quotemeta } sort { length $b <=> length $a } @t; }
    next if /^#/; s/$fremd//g if length $fremd; s/^keine Loesung,//; print' "$tmp/fremd"
}
: >"$tmp/fremd"
while read -r p; do
  lauf de "$p" --kataloge | awk -F'\t' 'NF >= 3 && $1 != "" { print $2 }' >>"$tmp/fremd"
  lauf de "$p" --kataloge --format json | grep -oE '"fehler": "[^"]*"' | sed -E 's/^"fehler": "(.*)"$/\1/' >>"$tmp/fremd"
done <"$liste"
for auslegung in "stalor ipe" "wendis tellerfedern_a"; do
  read -r p t <<<"$auslegung"
  lauf de "$p" --auslegung "$t" --format json \
    | grep -oE '"name": "[^"]*", "wert"' | sed -E 's/^"name": "(.*)", "wert"$/\1/' >>"$tmp/fremd"
done

# One case: its name, the names both languages must hold, then "--" and the
# arguments.  A design's listing is taken up to the report after it.
fall() {
  local name=$1; shift
  local namen=()
  while [ "$1" != -- ]; do namen+=("$1"); shift; done
  shift
  local de en xx n w
  de=$(lauf de "$@" | sed '/^$/,/^Status /{/^Status /!d}')
  en=$(lauf en "$@" | sed '/^$/,/^Status /{/^Status /!d}')
  xx=$(lauf xx "$@" | sed '/^$/,/^Status /{/^Status /!d}')
  # A listing without a message of its own (the tables' titles are their
  # calculators') may read the same.
  if [ -n "$(ohne_fremde "$de" | deutsche_woerter)" ]; then
    [ "$en" != "$de" ] || falsch "$name: English is the German text: $de"
    grep -q '\[\[' <<<"$xx" || falsch "$name: nothing marked under xx:"$'\n'"$xx"
  fi
  [ "${en##*$'\n'}" = "${de##*$'\n'}" ] || falsch "$name: ${en##*$'\n'} in English, ${de##*$'\n'} in German"
  [ "$(zahlen <<<"$en")" = "$(zahlen <<<"$de")" ] \
    || falsch "$name: the numbers differ:"$'\n'"$de"$'\n'"$en"
  for n in "${namen[@]}"; do
    [[ $de == *"$n"* && $en == *"$n"* ]] || falsch "$name: \"$n\" not in both:"$'\n'"$de"$'\n'"$en"
  done
  w=$(ohne_fremde "$en" | deutsche_woerter)
  [ -z "$w" ] || falsch "$name: German words in English:"$'\n'"$w"$'\n'"$en"
  w=$(ohne_fremde "$(ausserhalb <<<"$xx")" | deutsche_woerter)
  [ -z "$w" ] || falsch "$name: not marked for translation:"$'\n'"$w"$'\n'"$xx"
}

# Every calculator's catalogues (kopdra has none).
while read -r p; do
  namen=()
  while IFS= read -r t; do
    namen+=("$t")
  done < <(lauf de "$p" --kataloge | awk -F'\t' 'NF >= 3 && $1 != "" { print $1 }')
  fall "$p --kataloge" "${namen[@]}" -- "$p" --kataloge
done <"$liste"

# A catalogue entry refused.
fall "entry unknown" '"M13"' regelgewinde -- tarvex --katalog regelgewinde:M13
fall "table unknown" '"gewinde"' -- tarvex --katalog gewinde:M12
fall "no table given" M12 -- tarvex --katalog M12
fall "no source" dw_min_mm M18 -- tarvex --katalog zylinderkopf_dw:M18
fall "no catalogues" kopdra -- kopdra --katalog x:y

# Own tables refused, each with its file and line; the good ones listed.
nutzer=$tmp/nutzer/maschinenelemente/kataloge
mkdir -p "$nutzer"
printf '# Eigene Knickstaebe\nname,X\nr1,1\n' >"$nutzer/stalor_a.csv"
printf 'name,l1\nr1,22x\n' >"$nutzer/stalor_b.csv"
printf 'name,l1\nr1,1\nr1,2\n' >"$nutzer/stalor_c.csv"
printf 'name,l1\nr1,1,2\n' >"$nutzer/stalor_d.csv"
printf 'name,l1\n' >"$nutzer/stalor_e.csv"
printf 'name,l1\n# spaet\nr1,1\n' >"$nutzer/stalor_f.csv"
printf '# nur ein Kommentar\n' >"$nutzer/stalor_g.csv"
printf 'name,l1\nr1,1\n' >"$nutzer/stalor_ipe.csv"
printf 'name,l1\n,1\n' >"$nutzer/stalor_h.csv"
printf 'name,,l1\n' >"$nutzer/stalor_i.csv"
printf 'name\nr1\n' >"$nutzer/stalor_j.csv"
printf 'name,l1\nkurz,1000\n' >"$nutzer/stalor_gut.csv"
printf 'name,Qualitaet\nq,9.9\n' >"$nutzer/tarvex_k.csv"
XDG_DATA_HOME=$tmp/nutzer fall "own tables refused" "$nutzer/stalor_a.csv:2" "$nutzer/stalor_b.csv:2" \
  "$nutzer/stalor_c.csv:3" "$nutzer/stalor_d.csv:2" "$nutzer/stalor_f.csv:2" "$nutzer/stalor_ipe.csv" \
  "$nutzer/stalor_h.csv:2" '"22x"' '"X"' '"r1"' '"ipe"' kurz -- stalor --kataloge
XDG_DATA_HOME=$tmp/nutzer fall "own table, a choice" "$nutzer/tarvex_k.csv:2" Qualitaet '"9.9"' \
  -- tarvex --kataloge
for f in e g i j; do
  n=$(XDG_DATA_HOME=$tmp/nutzer lauf de stalor --kataloge | grep -c "stalor_$f.csv")
  [ "$n" = 1 ] || falsch "stalor_$f.csv refused $n times, not once"
done

# The design: its listing, the entries that fail and why, and its refusals.
fall "design" ipe 'IPE 80' 'IPE 240' -- stalor --auslegung ipe --katalog baustahl:S235 F=100000 l1=4000 \
  Knickfall=2 S=3
fall "design without an entry" ipe 'IPE 600' -- stalor --auslegung ipe --katalog baustahl:S235 F=100000 \
  l1=4000 Knickfall=2 S=25
fall "design with a condition" tellerfedern_a 'F>=1000' 'A 16' -- wendis --auslegung tellerfedern_a 'F>=1000'
fall "design, no table" '"nix"' -- stalor --auslegung nix
fall "design, not a result" '"X"' -- stalor --auslegung ipe 'X>=1'
fall "design, limit no number" '"F_max_zul<=1x"' -- stalor --auslegung ipe 'F_max_zul<=1x'

# The search: no solution, ranges refused, fields and results it cannot use.
fall "no solution" F_max_zul l1 -- stalor --suche l1 F_max_zul=1e9 --bereich 100:1000
fall "independent" lambda_grenz F -- stalor --suche F lambda_grenz=60
fall "range reversed" 1000 100 -- stalor --suche l1 F_max_zul=2000 --bereich 1000:100
fall "range negative" -- stalor --suche l1 F_max_zul=2000 --bereich -5:100
fall "range no number" 1x:5 '"1x"' -- stalor --suche l1 F_max_zul=2000 --bereich 1x:5
fall "range one number" -- stalor --suche l1 F_max_zul=2000 --bereich 5
fall "no target" l1 -- stalor --suche l1
fall "target no number" F_max_zul=2x -- stalor --suche l1 F_max_zul=2x
fall "unknown field" '"nix"' -- stalor --suche nix F_max_zul=2000
fall "option sought" Knickfall -- stalor --suche Knickfall F_max_zul=2000
fall "other field no number" l1 -- stalor l1=22x --suche F F_max_zul=2000
fall "varied field sought" l1 -- stalor --suche l1 F_max_zul=2000 --variiere l1=1:2:3 --format csv
fall "no solution in a study" -- stalor --suche l1 F_max_zul=1e9 --bereich 100:1000 --variiere I=200:800:2 \
  --format csv

# Input sets refused, each with its file.
lauf de stalor --eingaben-schreiben "$tmp/knick.stalor" >/dev/null
printf '[stalor]\nFormatversion=7\n' >"$tmp/version.stalor"
printf '[stalor]\nnix=1\n' >"$tmp/name.stalor"
printf '[stalor]\nKnickfall=9\n' >"$tmp/auswahl.stalor"
printf '[nix]\nl1=1\n' >"$tmp/gruppe.stalor"
printf 'kein Eingabesatz\n' >"$tmp/aufbau.stalor"
printf '# leer\n' >"$tmp/leer.stalor"
fall "set of another program" "$tmp/knick.stalor" tarvex stalor -- tarvex --eingaben "$tmp/knick.stalor"
fall "set of another version" "$tmp/version.stalor" Formatversion -- stalor --eingaben "$tmp/version.stalor"
fall "set, unknown name" '"nix"' -- stalor --eingaben "$tmp/name.stalor"
fall "set, option" Knickfall=9 -- stalor --eingaben "$tmp/auswahl.stalor"
fall "set, unknown group" '[nix]' -- stalor --eingaben "$tmp/gruppe.stalor"
fall "set, malformed" "$tmp/aufbau.stalor" -- stalor --eingaben "$tmp/aufbau.stalor"
fall "set, no group" '[stalor]' -- stalor --eingaben "$tmp/leer.stalor"
fall "set, no file" "$tmp/missing.stalor" -- stalor --eingaben "$tmp/missing.stalor"
fall "set, a folder" "$tmp" -- stalor --eingaben-schreiben "$tmp"

# Options the parser refuses.
fall "unknown option" --nix -- stalor --nix
fall "option without value" --format -- stalor --format
[ ! -s "$tmp/haengt" ] || falsch "$(cat "$tmp/haengt")"
exit $fehler
