#!/usr/bin/env bash
# The launchers with their translations: without the translated lines each
# is its German template byte for byte, and every language of po/LINGUAS
# gives it a name, a generic name, a comment and keywords of its own.
#   starter_pruefen.sh <source root> <folder of the translated launchers> <program>...
set -uo pipefail
wurzel=$1 ordner=$2
shift 2
fehler=0
falsch() { echo "FEHLER: $*"; fehler=1; }
for p in "$@"; do
  datei=$ordner/$p.desktop.in
  [ -f "$datei" ] || { falsch "$datei is missing"; continue; }
  grep -v '^[A-Za-z]*\[[^]]*\]=' "$datei" | cmp -s - "$wurzel/$p/$p.desktop.in" \
    || falsch "$datei: the German launcher changed"
  for sprache in $(grep -v '^#' "$wurzel/po/LINGUAS"); do
    for schluessel in Name GenericName Comment Keywords; do
      deutsch=$(sed -n "s/^$schluessel=//p" "$datei")
      uebersetzt=$(sed -n "s/^$schluessel\[$sprache\]=//p" "$datei")
      [ -n "$uebersetzt" ] && [ "$uebersetzt" != "$deutsch" ] \
        || falsch "$datei: no $schluessel[$sprache] of its own"
    done
  done
done
exit $fehler
