#!/usr/bin/env bash
# Builds the Debian package maschinenelemente_<version>_<arch>.deb into
# build-paket/ with Debian's own tools (dpkg-buildpackage, debhelper's dh with
# its cmake support).  The build runs in a copy of the source tree, so the
# tree itself stays clean and nothing lands beside it.
#   bash scripts/paket.sh             the package alone (nocheck), the copy
#                                     below /tmp removed afterwards
#   bash scripts/paket.sh --mit-tests the test suite built beside the
#                                     programs; the copy stays in
#                                     build-paket/maschinenelemente, its build
#                                     tree (obj-<triplet>) ready for ctest
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

ziel=$PWD/build-paket
mkdir -p "$ziel"
if [ "${1:-}" = --mit-tests ]; then
  tmp=$ziel
  rm -rf "$tmp/maschinenelemente"
  optionen=()
else
  tmp=$(mktemp -d "${TMPDIR:-/tmp}/paket.XXXXXX")
  trap 'rm -rf "$tmp"' EXIT
  export DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:+$DEB_BUILD_OPTIONS }nocheck"
  optionen=(-Pnocheck)
fi
quelle=$tmp/maschinenelemente
mkdir -p "$quelle"

# The files git knows (committed or new, not ignored) as they are now; without
# git everything but the build folders.
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  git ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done |
    tar --null -T - -cf - | tar -xf - -C "$quelle"
else
  tar --exclude='./build*' --exclude='./.git' -cf - . | tar -xf - -C "$quelle"
fi

rm -f "$ziel"/maschinenelemente[-_]*
protokoll=$ziel/dpkg-buildpackage.log
if ! (cd "$quelle" && dpkg-buildpackage -us -uc -b -j"$(nproc)" "${optionen[@]}") >"$protokoll" 2>&1; then
  tail -n 40 "$protokoll" >&2
  echo "dpkg-buildpackage failed; the whole log is $protokoll" >&2
  exit 1
fi
# The package, its debug symbols, .buildinfo and .changes.
[ "$tmp" = "$ziel" ] || mv "$tmp"/maschinenelemente[-_]* "$ziel"/
ls "$ziel"/maschinenelemente_*.deb
