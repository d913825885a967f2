#!/usr/bin/env bash
# The command line's help in the reader's language, as the real program
# chooses it from the environment (LANGUAGE, LC_ALL, LC_MESSAGES, LANG):
# German, as ever, under C, POSIX, de_DE and a language without catalogue;
# English under en_US, whole and with the same examples.
#   hilfe_sprachen.sh <maschinenelemente> <folder of the catalogues>
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
exit $fehler
