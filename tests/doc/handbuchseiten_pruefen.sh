#!/usr/bin/env bash
# Renders each program's manual page as man would (also under a German
# locale) and fails on any warning of groff or man; checks the NAME line that
# whatis and apropos read, the German sections, and the version in the footer.
#   handbuchseiten_pruefen.sh <folder with PROG.1 or PROG.1.gz> <version> <program>...
# With KV_KOMMANDOZEILE set to the command-line program, its page must also
# describe every option its --help lists.  KV_HANDBUCHSPRACHE=en checks the
# English pages instead (rendered under an English locale, English sections,
# the options of the English --help, whose catalogue KV_LOCALEDIR gives).
set -uo pipefail
ordner=$1 version=$2
shift 2
fehler=0
falsch() { echo "FAIL: $*" >&2; fehler=1; }
case ${KV_HANDBUCHSPRACHE:-de} in
  de) gebiete=(C.UTF-8 de_DE.UTF-8)
      abschnitte=(NAME UEBERSICHT BESCHREIBUNG OPTIONEN "SIEHE AUCH")
      alle_abschnitte=("${abschnitte[@]}" RUECKGABEWERT DATEIEN BEISPIELE)
      hilfe_anfang="Aufruf:"
      hilfe() { "$KV_KOMMANDOZEILE" --help; } ;;
  en) gebiete=(C.UTF-8 en_US.UTF-8)
      abschnitte=(NAME SYNOPSIS DESCRIPTION OPTIONS "SEE ALSO")
      alle_abschnitte=("${abschnitte[@]}" "EXIT STATUS" FILES EXAMPLES)
      hilfe_anfang="Usage:"
      hilfe() { env -u LC_ALL -u LANGUAGE -u LC_MESSAGES LANG=en_US.UTF-8 "$KV_KOMMANDOZEILE" --help; } ;;
  *) echo "FAIL: no checks for the language '$KV_HANDBUCHSPRACHE'" >&2; exit 1 ;;
esac
siehe_auch=${abschnitte[4]}
for werkzeug in man lexgrog; do
  command -v "$werkzeug" >/dev/null || { echo "FAIL: $werkzeug is missing (package man-db)" >&2; exit 1; }
done
tmp=$(mktemp -d "${TMPDIR:-/tmp}/handbuch.XXXXXX")
trap 'rm -rf "$tmp"' EXIT

for p in "$@"; do
  seite=$ordner/$p.1
  [ -f "$seite" ] || seite=$seite.gz
  [ -f "$seite" ] || { falsch "no manual page $ordner/$p.1 (nor .1.gz)"; continue; }
  for sprache in "${gebiete[@]}"; do
    if ! LC_ALL=$sprache MANROFFSEQ='' MANWIDTH=80 man --warnings -l "$seite" >"$tmp/text" 2>"$tmp/warnungen" ||
       [ -s "$tmp/warnungen" ]; then
      cat "$tmp/warnungen" >&2
      falsch "$seite: man -l warns or fails under $sprache"
    fi
  done
  LC_ALL=C grep -q '[^ -~]' "$tmp/text" && falsch "$seite: the rendered page is not plain ASCII"
  for abschnitt in "${abschnitte[@]}"; do
    grep -q "^$abschnitt\$" "$tmp/text" || falsch "$seite: no section $abschnitt"
  done
  # Every heading in the page's language (none left in another one).
  while IFS= read -r abschnitt; do
    # A here-string, not a pipe: grep -q leaving early would fail the pipe.
    grep -qxF "$abschnitt" <<<"$(printf '%s\n' "${alle_abschnitte[@]}")" || falsch "$seite: section '$abschnitt'"
  done < <(grep -E '^[A-Z][A-Z ]*$' "$tmp/text")
  # Version, date, paths and "see also" all filled in.
  zgrep -q '@KV_' "$seite" && falsch "$seite: a placeholder is left: $(zgrep -o '@KV_[A-Z_]*@' "$seite" | head -1)"
  grep -q "^maschinenelemente $version " "$tmp/text" || falsch "$seite: footer does not name version $version"
  # whatis and apropos read "PROG - what it does" from the NAME section.
  grep -q ": \"$p - [A-Za-z]" <<<"$(lexgrog "$seite" 2>&1)" || falsch "$seite: NAME is not '$p - ...': $(lexgrog "$seite" 2>&1)"
  # Each other program of the suite is named under SIEHE AUCH.
  for q in "$@"; do
    [ "$q" = "$p" ] && continue
    grep -q "$q(1)" <<<"$(sed -n "/^$siehe_auch\$/,\$p" "$tmp/text")" || falsch "$seite: $siehe_auch lacks $q(1)"
  done
  if [ "$p" = maschinenelemente ] && [ -n "${KV_KOMMANDOZEILE:-}" ]; then
    hilfetext=$(hilfe)
    [[ $hilfetext == "$hilfe_anfang"* ]] || falsch "$KV_KOMMANDOZEILE --help does not begin with '$hilfe_anfang'"
    optionen=$(sed -n 's/^  \(-[A-Za-z], \)\{0,1\}\(--[a-z-]*\).*/\2/p' <<<"$hilfetext")
    [ -n "$optionen" ] || falsch "$KV_KOMMANDOZEILE --help lists no options"
    for o in $optionen; do
      grep -q -E "^ {7}(-[A-Za-z], )?$o([= ]|\$)" "$tmp/text" || falsch "$seite: option $o of --help is not described"
    done
  fi
done
[ "$fehler" = 0 ] && echo "manual pages of $* render without warnings"
exit "$fehler"
