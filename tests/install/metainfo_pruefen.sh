#!/usr/bin/env bash
# Checks the software-centre entry of each calculator: appstreamcli accepts it
# without a note even when pedantic, it launches the program's own launcher,
# has English and German texts and the project's licence, its screenshots are pictures of doc/, and its
# release is the version of debian/changelog.
#   metainfo_pruefen.sh <metainfo folder> <source dir> <version> <program>...
set -uo pipefail
ordner=$1 quelle=$2 version=$3
shift 3
fehler=0
falsch() { echo "FAIL: $*" >&2; fehler=1; }
command -v appstreamcli >/dev/null || { echo "FAIL: appstreamcli is missing (package appstream)" >&2; exit 1; }

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
  for element in summary p; do
    grep -q "<$element>" "$datei" || falsch "$datei: no English <$element>"
    grep -q "<$element xml:lang=\"de\">" "$datei" || falsch "$datei: no German <$element>"
  done
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
