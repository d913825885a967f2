#!/usr/bin/env bash
# Checks the Debian package that scripts/paket.sh built: its control data and
# dependencies, that it holds exactly what "cmake --install" installs (plus
# Debian's copyright, changelog and lintian overrides), lintian without errors, and the files in
# it at work: manual pages, software-centre entries, launchers, the command
# line's version and its completion.
#   paket_pruefen.sh <package .deb> <source dir> <build dir>
# The build dir is a finished build of the same tree (for the comparison).
set -uo pipefail
deb=$1 quelle=$2
build=$(cd "$3" && pwd)
fehler=0
falsch() { echo "FAIL: $*" >&2; fehler=1; }
[ -f "$deb" ] || { echo "FAIL: no package $deb (bash scripts/paket.sh builds it)" >&2; exit 1; }
tmp=$(mktemp -d "${TMPDIR:-/tmp}/paket_pruefen.XXXXXX")
trap 'rm -rf "$tmp"' EXIT

mapfile -t programme <"$build/rechner.txt"
alle=("${programme[@]}" maschinenelemente)
version=$(sed -n '1s/^maschinenelemente (\([^)]*\)).*/\1/p' "$quelle/debian/changelog")
[ -n "$version" ] || { echo "FAIL: no version in $quelle/debian/changelog" >&2; exit 1; }

# Control data: name, version from the changelog, this machine's architecture,
# the libraries found by dpkg-shlibdeps.
feld() { dpkg-deb -f "$deb" "$1"; }
[ "$(feld Package)" = maschinenelemente ] || falsch "Package is '$(feld Package)'"
[ "$(feld Version)" = "$version" ] || falsch "Version is '$(feld Version)', debian/changelog says $version"
[ "$(feld Architecture)" = "$(dpkg --print-architecture)" ] || falsch "Architecture is '$(feld Architecture)'"
[ "$(basename "$deb")" = "maschinenelemente_${version}_$(dpkg --print-architecture).deb" ] ||
  falsch "file name $(basename "$deb")"
abh=$(feld Depends)
for bib in libgtk2.0-0 libglib2.0-0 libc6 libstdc++6; do
  [[ ", $abh," == *", $bib "* ]] || falsch "Depends lacks $bib: $abh"
done
[[ $abh == *'${'* ]] && falsch "Depends has an unfilled substitution: $abh"
dpkg-deb -I "$deb" >"$tmp/info" || falsch "dpkg-deb -I fails"

# Contents: every file named here, and exactly what cmake --install installs.
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\./, "", $6); print $6 }' | LC_ALL=C sort >"$tmp/paket"
soll=()
for p in "${alle[@]}"; do
  soll+=("/usr/bin/$p" "/usr/share/man/man1/$p.1.gz")
  for sprache in $(grep -v '^#' "$quelle/po/LINGUAS"); do
    soll+=("/usr/share/man/$sprache/man1/$p.1.gz")
  done
done
for p in "${programme[@]}"; do
  soll+=("/usr/share/applications/$p.desktop" "/usr/share/icons/hicolor/48x48/apps/$p.png"
         "/usr/share/icons/hicolor/scalable/apps/$p.svg"
         "/usr/share/metainfo/org.example.maschinenelemente.$p.metainfo.xml")
done
for b in "$quelle"/pictures/*.png; do soll+=("/usr/share/maschinenelemente/$(basename "$b")"); done
soll+=(/usr/share/maschinenelemente/maschinenelemente.html)
soll+=(/usr/share/bash-completion/completions/maschinenelemente /usr/share/mime/packages/maschinenelemente.xml
       /usr/share/doc/maschinenelemente/copyright /usr/share/doc/maschinenelemente/changelog.gz)
for f in "${soll[@]}"; do
  grep -qxF "$f" "$tmp/paket" || falsch "the package lacks $f"
done
DESTDIR="$tmp/cmake" cmake --install "$build" --prefix /usr >"$tmp/install.log" 2>&1 ||
  { cat "$tmp/install.log" >&2; falsch "cmake --install $build failed"; }
(cd "$tmp/cmake" && find . ! -type d | sed 's/^\.//; s|^\(/usr/share/man/.*\)$|\1.gz|') |
  LC_ALL=C sort >"$tmp/cmake.liste"
# Debian's own additions: copyright, changelog, lintian's notes on German words.
grep -v -e '^/usr/share/doc/maschinenelemente/' -e '^/usr/share/lintian/overrides/maschinenelemente$' \
  "$tmp/paket" >"$tmp/paket.liste"
if ! diff "$tmp/cmake.liste" "$tmp/paket.liste" >"$tmp/diff"; then
  cat "$tmp/diff" >&2
  falsch "package and cmake --install differ (< only installed by cmake, > only in the package)"
fi

# The licence: machine-readable copyright with GPL-3.0-or-later, and the
# licence text in the source tree.
kopie=$(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/maschinenelemente/copyright)
grep -qx 'License: GPL-3.0-or-later' <<<"$kopie" || falsch "copyright does not name GPL-3.0-or-later"
grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' <<<"$kopie" ||
  falsch "copyright is not in the machine-readable format"
cmp -s "$quelle/COPYING" /usr/share/common-licenses/GPL-3 || falsch "COPYING is not the text of the GPL 3"

# lintian, down to its pedantic notes: no error and no warning (one that is
# wrong for this package is overridden in debian/, with the reason).
lintian --display-info --display-experimental --pedantic "$deb" >"$tmp/lintian" 2>&1
grep -v '^running with root privileges' "$tmp/lintian"
grep -q -E '^[EW]: ' "$tmp/lintian" && falsch "lintian reports errors or warnings"

# The files at work, taken out of the package.
wurzel=$tmp/wurzel
dpkg-deb -x "$deb" "$wurzel" || falsch "dpkg-deb -x fails"
KV_KOMMANDOZEILE=$wurzel/usr/bin/maschinenelemente \
  bash "$quelle/tests/doc/handbuchseiten_pruefen.sh" "$wurzel/usr/share/man/man1" "$version" "${alle[@]}" ||
  falsch "manual pages of the package"
for sprache in $(grep -v '^#' "$quelle/po/LINGUAS"); do
  KV_HANDBUCHSPRACHE=$sprache KV_LOCALEDIR=$wurzel/usr/share/locale KV_KOMMANDOZEILE=$wurzel/usr/bin/maschinenelemente \
    bash "$quelle/tests/doc/handbuchseiten_pruefen.sh" "$wurzel/usr/share/man/$sprache/man1" "$version" "${alle[@]}" ||
    falsch "manual pages ($sprache) of the package"
done
bash "$quelle/tests/install/metainfo_pruefen.sh" "$wurzel/usr/share/metainfo" "$quelle" "$version" "${programme[@]}" ||
  falsch "software-centre entries of the package"
for p in "${programme[@]}"; do
  starter=$wurzel/usr/share/applications/$p.desktop
  grep -qx "Exec=/usr/bin/$p %f" "$starter" || falsch "$p.desktop does not start /usr/bin/$p with the input set"
  grep -qx "MimeType=application/x-maschinenelemente-$p;" "$starter" || falsch "$p.desktop does not open its input sets"
  grep -qx "Path=/usr/share/maschinenelemente" "$starter" || falsch "$p.desktop does not start in /usr/share/maschinenelemente"
done
# Debian's own paths: no /usr/local, no build folder left in any text file.
if grep -rlI -e /usr/local -e "$build" -e "/obj-$(dpkg-architecture -qDEB_HOST_GNU_TYPE)" "$wurzel" >"$tmp/pfade"; then
  cat "$tmp/pfade" >&2
  falsch "files of the package name /usr/local or a build folder"
fi
if [ -x "$wurzel/usr/bin/maschinenelemente" ]; then
  v=$("$wurzel/usr/bin/maschinenelemente" --version 2>&1) || falsch "maschinenelemente --version fails"
  [[ $v == *"$version"* ]] || falsch "maschinenelemente --version prints '$v', not version $version"
  bash "$quelle/tests/completion/vervollstaendigung_pruefen.sh" \
       "$wurzel/usr/share/bash-completion/completions/maschinenelemente" "$wurzel/usr/bin" "$build/rechner.txt" ||
    falsch "completion of the package"
fi

[ "$fehler" = 0 ] && echo "package $(basename "$deb"): control data, contents, lintian, manual pages, entries, launchers as expected"
exit "$fehler"
