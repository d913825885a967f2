#!/usr/bin/env bash
# Installs the manual pages (component handbuch) into a temporary tree and
# asks man, with that tree as its only MANPATH, which page it shows: the
# English one (man/en/man1) under an English locale, the German one (man1)
# under a German locale, C and POSIX; and renders what it finds.
#   handbuch_sprachen_pruefen.sh <build dir> <program>...
set -uo pipefail
build=$1
shift
fehler=0
falsch() { echo "FAIL: $*" >&2; fehler=1; }
tmp=$(mktemp -d "${TMPDIR:-/tmp}/handbuch_sprachen.XXXXXX")
trap 'rm -rf "$tmp"' EXIT

if ! DESTDIR="$tmp/wurzel" cmake --install "$build" --prefix /usr --component handbuch >"$tmp/install.log" 2>&1; then
  cat "$tmp/install.log" >&2
  echo "FAIL: cmake --install $build --component handbuch failed" >&2
  exit 1
fi
mandir=$tmp/wurzel/usr/share/man
# man under one locale, nothing else of the environment choosing the language.
man_unter() {
  local gebiet=$1
  shift
  env -u LC_ALL -u LANGUAGE -u LC_MESSAGES LANG="$gebiet" MANPATH="$mandir" \
      MANWIDTH=80 MANROFFSEQ='' MANPAGER=cat PAGER=cat "$@"
}
for gebiet in en_US.UTF-8 de_DE.UTF-8 C POSIX; do
  case $gebiet in
    en_*) ordner=$mandir/en/man1 abschnitt=SYNOPSIS ;;
    *)    ordner=$mandir/man1 abschnitt=UEBERSICHT ;;
  esac
  # Where man finds every page; what it shows, once (the pages themselves
  # are handbuchseiten_pruefen.sh's).
  ist=$(man_unter "$gebiet" man -w "$@" 2>&1)
  soll=$(for p in "$@"; do echo "$ordner/$p.1"; done)
  [ "$ist" = "$soll" ] || falsch "LANG=$gebiet man -w $*: $(diff <(echo "$soll") <(echo "$ist") | grep '^>' | head -3)"
  man_unter "$gebiet" man "$1" >"$tmp/text" 2>"$tmp/fehler" || falsch "LANG=$gebiet man $1 fails: $(cat "$tmp/fehler")"
  grep -qx "$abschnitt" "$tmp/text" || falsch "LANG=$gebiet man $1 shows no section $abschnitt"
done
[ "$fehler" = 0 ] && echo "man shows the English pages of $* under en_US.UTF-8, the German ones under de_DE.UTF-8, C and POSIX"
exit "$fehler"
