#!/usr/bin/env bash
# Renders each program's manual page as man would (also under a German
# locale) and fails on any warning of groff or man; checks the NAME line that
# whatis and apropos read, the German sections, and the version in the footer.
#   handbuchseiten_pruefen.sh <folder with PROG.1 or PROG.1.gz> <version> <program>...
# With KV_KOMMANDOZEILE set to the command-line program, its page must also
# describe every option its --help lists.
set -uo pipefail
ordner=$1 version=$2
shift 2
fehler=0
falsch() { echo "FAIL: $*" >&2; fehler=1; }
for werkzeug in man lexgrog; do
  command -v "$werkzeug" >/dev/null || { echo "FAIL: $werkzeug is missing (package man-db)" >&2; exit 1; }
done
tmp=$(mktemp -d "${TMPDIR:-/tmp}/handbuch.XXXXXX")
trap 'rm -rf "$tmp"' EXIT

for p in "$@"; do
  seite=$ordner/$p.1
  [ -f "$seite" ] || seite=$seite.gz
  [ -f "$seite" ] || { falsch "no manual page $ordner/$p.1 (nor .1.gz)"; continue; }
  for sprache in C.UTF-8 de_DE.UTF-8; do
    if ! LC_ALL=$sprache MANROFFSEQ='' MANWIDTH=80 man --warnings -l "$seite" >"$tmp/text" 2>"$tmp/warnungen" ||
       [ -s "$tmp/warnungen" ]; then
      cat "$tmp/warnungen" >&2
      falsch "$seite: man -l warns or fails under $sprache"
    fi
  done
  LC_ALL=C grep -q '[^ -~]' "$tmp/text" && falsch "$seite: the rendered page is not plain ASCII"
  for abschnitt in NAME UEBERSICHT BESCHREIBUNG OPTIONEN "SIEHE AUCH"; do
    grep -q "^$abschnitt\$" "$tmp/text" || falsch "$seite: no section $abschnitt"
  done
  grep -q "^maschinenelemente $version " "$tmp/text" || falsch "$seite: footer does not name version $version"
  # whatis and apropos read "PROG - what it does" from the NAME section.
  lexgrog "$seite" 2>&1 | grep -q ": \"$p - [A-Za-z]" || falsch "$seite: NAME is not '$p - ...': $(lexgrog "$seite" 2>&1)"
  # Each other program of the suite is named under SIEHE AUCH.
  for q in "$@"; do
    [ "$q" = "$p" ] && continue
    sed -n '/^SIEHE AUCH$/,$p' "$tmp/text" | grep -q "$q(1)" || falsch "$seite: SIEHE AUCH lacks $q(1)"
  done
  if [ "$p" = maschinenelemente ] && [ -n "${KV_KOMMANDOZEILE:-}" ]; then
    optionen=$("$KV_KOMMANDOZEILE" --help | sed -n 's/^  \(-[A-Za-z], \)\{0,1\}\(--[a-z-]*\).*/\2/p')
    [ -n "$optionen" ] || falsch "$KV_KOMMANDOZEILE --help lists no options"
    for o in $optionen; do
      grep -q -E "^ {7}(-[A-Za-z], )?$o([= ]|\$)" "$tmp/text" || falsch "$seite: option $o of --help is not described"
    done
  fi
done
[ "$fehler" = 0 ] && echo "manual pages of $* render without warnings"
exit "$fehler"
