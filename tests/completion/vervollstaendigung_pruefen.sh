#!/usr/bin/env bash
# Drives the bash completion of maschinenelemente as bash would: COMP_LINE,
# COMP_POINT, COMP_WORDS and COMP_CWORD set for a typed line (the cursor at
# its end), the completion function called, COMPREPLY read.  The names come
# from the real program found first in PATH.
#   vervollstaendigung_pruefen.sh <completion script> <folder of maschinenelemente> <list> [<only>]
# <list>: the calculators that program knows, one a line (rechner.txt of
# its build).  With <only>, a list of some of them, the program names and
# those calculators' names alone are checked.  Needs bash-completion (its
# helpers _init_completion and _filedir).
set -uo pipefail
skript=$1
export PATH="$2:$PATH"
mapfile -t programme <"$3"
fehler=0
falsch() { echo "FAIL: $*" >&2; fehler=1; }

[ -r /usr/share/bash-completion/bash_completion ] ||
  { echo "FAIL: bash-completion is missing (scripts/install-deps.sh installs it)" >&2; exit 1; }
command -v maschinenelemente >/dev/null || { echo "FAIL: no maschinenelemente in $2" >&2; exit 1; }
# shellcheck disable=SC1091
source /usr/share/bash-completion/bash_completion
# shellcheck disable=SC1090
source "$skript"
complete -p maschinenelemente >/dev/null 2>&1 || { echo "FAIL: $skript registers no completion" >&2; exit 1; }
funktion=$(complete -p maschinenelemente | sed -n 's/.*-F \([^ ]*\) .*/\1/p')

# compopt works only inside a completion bash started; note what was asked.
nospace=0
compopt() { [[ " $* " == *" -o nospace "* ]] && nospace=1; return 0; }

# Completes the line as typed; sets "ergebnis" to the sorted candidates, one
# per line.  Words are split at blanks and at "=" as bash's COMP_WORDBREAKS
# does; "=" is a word of its own.
vervollstaendige() {
  local zeile=$1 rest wort
  COMP_LINE=$zeile
  COMP_POINT=${#zeile}
  COMP_WORDS=()
  rest=$zeile
  while [[ $rest =~ ^([^ =]*)([ =]+)(.*)$ ]]; do
    wort=${BASH_REMATCH[1]}
    [ -n "$wort" ] && COMP_WORDS+=("$wort")
    local trenner=${BASH_REMATCH[2]//[^=]/}
    while [ -n "$trenner" ]; do COMP_WORDS+=("="); trenner=${trenner#=}; done
    rest=${BASH_REMATCH[3]}
  done
  COMP_WORDS+=("$rest")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  nospace=0
  local vorher=""
  ((COMP_CWORD > 0)) && vorher=${COMP_WORDS[COMP_CWORD - 1]}
  "$funktion" maschinenelemente "${COMP_WORDS[COMP_CWORD]}" "$vorher"
  ergebnis=$(printf '%s\n' "${COMPREPLY[@]}" | sed '/^$/d' | LC_ALL=C sort)
}

erwarte() { # <line> <expected candidates, blank-separated>
  vervollstaendige "$1"
  local soll
  soll=$(printf '%s\n' $2 | sed '/^$/d' | LC_ALL=C sort)
  [ "$ergebnis" = "$soll" ] || falsch "'$1' completes to [$(echo $ergebnis)], not [$(echo $soll)]"
}

# A program's names: those offered are exactly those the program lists, each
# once; the choices offer their values, a number offers nothing.
namen_pruefen() {
  local p=$1 namen soll z name werte zahlen
  namen=$(maschinenelemente "$p" --namen) || { falsch "maschinenelemente $p --namen failed"; return; }
  [ -n "$namen" ] || { falsch "maschinenelemente $p --namen lists nothing"; return; }
  soll=$(cut -f1 <<<"$namen" | sed 's/$/=/')
  erwarte "maschinenelemente $p " "$soll"
  [ "$(sort <<<"$ergebnis" | uniq -d)" = "" ] || falsch "$p: a name is offered twice"
  zahlen=()
  while IFS= read -r z; do
    name=${z%%$'\t'*} werte=${z##*$'\t'}
    if [ -n "$werte" ]; then
      erwarte "maschinenelemente $p --format csv $name=" "${werte//|/ }"
    else
      zahlen+=("$name=")
      erwarte "maschinenelemente $p $name=" ""
    fi
  done <<<"$namen"
  # Only numbers can be varied.
  erwarte "maschinenelemente $p --variiere " "${zahlen[*]}"
}

# Program names and, in the first place, the options that need none.
erwarte "maschinenelemente " "${programme[*]} -h --help -V --version"
if [ -n "${4:-}" ]; then
  mapfile -t nur <"$4"
  for p in "${nur[@]}"; do namen_pruefen "$p"; done
  exit "$fehler"
fi
erwarte "maschinenelemente st" "stalor"
erwarte "maschinenelemente w" "wendis"
erwarte "maschinenelemente --v" "--version"
erwarte "maschinenelemente unbekannt K" ""

# stalor: a name becomes NAME= with no blank after it, then the values of the
# buckling case; numbers get no candidates.
erwarte "maschinenelemente stalor Knickf" "Knickfall="
[ "$nospace" = 1 ] || falsch "'Knickf' completes to Knickfall= but a blank would follow"
erwarte "maschinenelemente stalor Kni" "Knickfall= Knicklinie="
erwarte "maschinenelemente stalor Knickfall=" "1 2 3 4"
erwarte "maschinenelemente stalor Knickfall=3" "3"
erwarte "maschinenelemente stalor Knickfall=5" ""
erwarte "maschinenelemente stalor Knickfall=2 Knickfall=" "1 2 3 4"

# A name already given is not offered again (the program refuses it twice),
# neither as NAME=WERT nor through --variiere.
erwarte "maschinenelemente stalor Knickfall=2 K" "Knicklinie="
erwarte "maschinenelemente stalor F=1 Re=2 --format csv --variiere=l1=1:2:3 --variiere " "A= E= I= S= gammaM1="
erwarte "maschinenelemente stalor --variiere l1=1:2:3 l" ""
erwarte "maschinenelemente stalor Knickfall=2 Kn" "Knicklinie="
erwarte "maschinenelemente stalor Knickfall=2 Knicklinie=b Kn" ""
erwarte "maschinenelemente stalor Knickfall=2 F" "F="

# Every program's names.
for p in "${programme[@]}"; do namen_pruefen "$p"; done

# A search: the field sought is a number, its target one of the results,
# once; the range has no candidates.
erwarte "maschinenelemente stalor --suche " "F l1 A I E Re S gammaM1"
erwarte "maschinenelemente stalor --suche=l" "l1"
erwarte "maschinenelemente stalor --suche l1 F_max" "F_max_zul="
erwarte "maschinenelemente stalor --suche l1 F_max_zul=2000 F_max" ""
erwarte "maschinenelemente stalor F_max" ""
erwarte "maschinenelemente kopdra --suche " "TA TL TK n10 n20 nL Z JA JL tB"
erwarte "maschinenelemente stalor --suche l1 F_max_zul=2000 --bereich " ""

# Options: exactly the long ones --help lists, one with a value as --NAME=
# with no blank after it; their values both after a blank and after "=".
hilfe=$(maschinenelemente --help | sed -n 's/^  \(-[A-Za-z], \)\{0,1\}\(--[a-z-]*=\{0,1\}\).*/\2/p')
[ -n "$hilfe" ] || falsch "maschinenelemente --help lists no options"
erwarte "maschinenelemente stalor --" "$hilfe"
erwarte "maschinenelemente stalor --for" "--format="
[ "$nospace" = 1 ] || falsch "'--for' completes to --format= but a blank would follow"
erwarte "maschinenelemente stalor --nam" "--namen"
[ "$nospace" = 0 ] || falsch "'--nam' completes to --namen but no blank would follow"
erwarte "maschinenelemente stalor --eingaben" "--eingaben= --eingaben-schreiben="
erwarte "maschinenelemente stalor --format " "bericht csv json"
erwarte "maschinenelemente stalor --format j" "json"
erwarte "maschinenelemente stalor --format=" "bericht csv json"
erwarte "maschinenelemente stalor --format=c" "csv"
erwarte "maschinenelemente stalor --variiere=Kni" ""
erwarte "maschinenelemente stalor --variiere=l" "l1="
erwarte "maschinenelemente stalor --variiere l1=1" ""
erwarte "maschinenelemente stalor --groesse " ""
erwarte "maschinenelemente stalor --projekt " ""

# Catalogue entries as TABELLE:EINTRAG; after the colon bash replaces only
# the entry (the colon breaks words), so that is what is offered then.
erwarte "maschinenelemente tarvex --katalog regelg" "$(printf 'regelgewinde:M%s ' 4 5 6 8 10 12 14 16 18 20 22 24 27 30 33 36)"
erwarte "maschinenelemente tarvex --katalog regelgewinde:M3" "M30 M33 M36"
erwarte "maschinenelemente tarvex --katalog=bohrung_f" "$(printf 'bohrung_fein:M%s ' 4 5 6 8 10 12 14 16 18 20 22 24 27 30 36)"
erwarte "maschinenelemente kopdra --katalog " ""
# An oil grade asks for the nu100 of its data sheet.
vervollstaendige "maschinenelemente lupran --katalog oel_iso_vg:VG"
printf '%s\n' "$ergebnis" | grep -qx 'VG 32:nu100=' && [ "$(printf '%s\n' "$ergebnis" | wc -l)" = 13 ] ||
  falsch "lupran --katalog oel_iso_vg:VG completes to [$ergebnis]"
erwarte "maschinenelemente wendis --auslegung " "tellerfedern_a"
erwarte "maschinenelemente stalor --auslegung=ipe" "ipe ipe_starke_achse"

# Files: an input set of that program (and folders), a diagram by its kind.
ordner=$(mktemp -d "${TMPDIR:-/tmp}/vervollstaendigung.XXXXXX")
trap 'rm -rf "$ordner"' EXIT
mkdir "$ordner/unter"
touch "$ordner/a.stalor" "$ordner/b.tarvex" "$ordner/c.txt" "$ordner/d.png" "$ordner/e.svg" \
      "$ordner/f.pdf"
cd "$ordner"
erwarte "maschinenelemente stalor --eingaben " "a.stalor unter"
erwarte "maschinenelemente stalor --eingaben=" "a.stalor unter"
erwarte "maschinenelemente tarvex --eingaben-schreiben " "b.tarvex unter"
erwarte "maschinenelemente stalor --diagramm " "d.png e.svg f.pdf unter"
erwarte "maschinenelemente stalor --diagramm=" "d.png e.svg f.pdf unter"
erwarte "maschinenelemente stalor --nachweis " "f.pdf unter"

if [ "$fehler" = 0 ]; then
  echo "completion of maschinenelemente: program names, names, values, options and files as expected"
fi
exit "$fehler"
