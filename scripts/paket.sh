#!/usr/bin/env bash
# Builds the Debian package maschinenelemente_<version>_<arch>.deb into
# build-paket/ with Debian's own tools (dpkg-buildpackage, debhelper's dh with
# its cmake support).  The build runs in a copy of the source tree below /tmp,
# so the tree itself stays clean and nothing lands beside it.
#   bash scripts/paket.sh
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

ziel=$PWD/build-paket
tmp=$(mktemp -d "${TMPDIR:-/tmp}/paket.XXXXXX")
trap 'rm -rf "$tmp"' EXIT
quelle=$tmp/maschinenelemente
mkdir -p "$quelle" "$ziel"

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
if ! (cd "$quelle" && dpkg-buildpackage -us -uc -b -j"$(nproc)") >"$protokoll" 2>&1; then
  tail -n 40 "$protokoll" >&2
  echo "dpkg-buildpackage failed; the whole log is $protokoll" >&2
  exit 1
fi
# The package, its debug symbols, .buildinfo and .changes.
mv "$tmp"/maschinenelemente[-_]* "$ziel"/
ls "$ziel"/maschinenelemente_*.deb
