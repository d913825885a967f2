#!/usr/bin/env bash
# Checks the software-centre entry of each calculator: appstreamcli accepts it
# without a note even when pedantic, it launches the program's own launcher,
# has the project's licence, its screenshots are pictures of doc/, and its
# release is the version of debian/changelog.  Its texts (name, summary,
# paragraphs, captions) are the German ones of <program>.metainfo.xml.in,
# every one of them translated into each language of po/LINGUAS, and
# nothing else translated.
#   metainfo_pruefen.sh <metainfo folder> <source dir> <version> <program>...
set -uo pipefail
ordner=$1 quelle=$2 version=$3
shift 3
fehler=0
falsch() { echo "FAIL: $*" >&2; fehler=1; }
command -v appstreamcli >/dev/null || { echo "FAIL: appstreamcli is missing (package appstream)" >&2; exit 1; }
command -v xmllint >/dev/null || { echo "FAIL: xmllint is missing (package libxml2-utils)" >&2; exit 1; }
sprachen=$(grep -v '^#' "$quelle/po/LINGUAS")
[ -n "$sprachen" ] || { echo "FAIL: no language in $quelle/po/LINGUAS" >&2; exit 1; }
texte='(/component/name|/component/summary|/component/description/p|/component/screenshots/screenshot/caption)'
# The elements of a selection, one a line as xmllint writes them (empty when none).
elemente() { xmllint --xpath "$1" "$2" 2>/dev/null; }
# Their kinds in order (name, summary, p, ...).
arten() { sed 's/^<\([a-z_]*\).*/\1/' <<<"$1"; }

for p in "$@"; do
  datei=$ordner/org.example.maschinenelemente.$p.metainfo.xml
  [ -f "$datei" ] || { falsch "$datei is missing"; continue; }
  meldung=$(appstreamcli validate --no-net --pedantic --no-color "$datei" 2>&1)
  if [ $? -ne 0 ] || grep -q -E '^ *[EWIP]: ' <<<"$meldung"; then
    echo "$meldung" >&2
    falsch "appstreamcli objects to $datei"
  fi
  grep -q "<id>org.example.maschinenelemente.$p</id>" "$datei" || falsch "$datei: wrong id"
  grep -q "<launchable type=\"desktop-id\">$p.desktop</launchable>" "$datei" ||
    falsch "$datei: does not launch $p.desktop"
  [ -f "$quelle/$p/$p.desktop.in" ] || falsch "$datei launches $p.desktop, which the project does not have"
  grep -q "<binary>$p</binary>" "$datei" || falsch "$datei: does not provide the program $p"
  grep -q "<project_license>GPL-3.0-or-later</project_license>" "$datei" ||
    falsch "$datei: project licence is not GPL-3.0-or-later"
  # German first, as written: the untranslated texts are the template's.
  deutsch=$(elemente "$texte[not(@xml:lang)]" "$datei")
  vorlage=$(elemente "$texte[not(@xml:lang)]" "$quelle/$p/$p.metainfo.xml.in")
  [ -n "$vorlage" ] || falsch "$quelle/$p/$p.metainfo.xml.in: no texts"
  [ "$deutsch" = "$vorlage" ] ||
    falsch "$datei: the German texts are not those of $p.metainfo.xml.in: $(diff <(echo "$vorlage") <(echo "$deutsch"))"
  for sprache in $sprachen; do
    uebersetzt=$(elemente "$texte[@xml:lang='$sprache']" "$datei")
    [ "$(arten "$uebersetzt")" = "$(arten "$vorlage")" ] ||
      falsch "$datei: $(grep -c . <<<"$uebersetzt") texts in $sprache for $(grep -c . <<<"$vorlage") German ones"
  done
  fremd=$(elemente "//*[@xml:lang]" "$datei" | grep -v -E "^<(name|summary|p|caption) xml:lang=\"($(paste -sd'|' <<<"$sprachen"))\">")
  [ -z "$fremd" ] || falsch "$datei: translated where it should not be, or into a language not in po/LINGUAS: $fremd"
  grep -q "<release version=\"$version\" date=\"[0-9]\{4\}-[0-9][0-9]-[0-9][0-9]\"/>" "$datei" ||
    falsch "$datei: no release $version with a date"
  bilder=$(sed -n 's|.*<image>https://[^<]*/\([^/<]*\)</image>.*|\1|p' "$datei")
  [ -n "$bilder" ] || falsch "$datei: no screenshot"
  for b in $bilder; do
    [ -f "$quelle/doc/$b" ] || falsch "$datei: screenshot $b is not a picture of doc/"
  done
  # German texts in ASCII like the windows: umlauts as two letters.
  LC_ALL=C grep -q '[^ -~	]' "$datei" && falsch "$datei: not plain ASCII"
done
[ "$fehler" = 0 ] && echo "software-centre entries of $* valid"
exit "$fehler"
