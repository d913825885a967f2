#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite: core and
# report tests, window tests under Xvfb (also under a German locale), the
# Debian package and its contents, then everything once more built by clang with
# AddressSanitizer and UndefinedBehaviorSanitizer, and beside that the
# package's checks and a short fixed run of every calculator's fuzz target
# (clang, libFuzzer).  The optimised build
# also builds the engine as a WebAssembly module and the web page from it;
# its tests hold them against the command line, the page in headless
# Chromium.
set -euo pipefail
cd "$(dirname "$0")/.."
# Each stage's start, seconds since the run began, for whoever waits.
stufe() { printf '== %s (nach %d s)\n' "$1" "$SECONDS" >&2; }
stufe "Abhaengigkeiten"
bash scripts/install-deps.sh

# Every build here starts clean: its libraries are compiled a few sources at
# a time (cmake/einheitsbau.cmake).
bauen() {
  local ordner=$1; shift
  cmake -S . -B "$ordner" -DBUILD_TESTING=ON -DKV_EINHEITSBAU=ON "$@" >/dev/null
  cmake --build "$ordner" -j"$(nproc)"
}
# One X server for the whole run; it does not reset between the window tests,
# so a test that connects while the one before it leaves finds it ready.
testen() {
  (cd "$1" && xvfb-run -a -s '-screen 0 1280x1024x24 -noreset' ctest --output-on-failure -j"$(nproc)")
}
lauf() {
  bauen "$@"
  testen "$1"
}

# The optimised build makes the engine as a WebAssembly module and the web
# page from it (in build/seite), which its tests compare with the command line.
stufe "Optimierter Bau"
# Line tables are enough to place a failure; full debugging information
# costs compile and link time and changes none of the code.
bauen build -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG"

# The Debian package, built with dpkg-buildpackage from a copy of the tree,
# while the tests of the build above run (the window tests hold with both
# cores busy); then checked against that build: control data, contents,
# lintian, the files.
paket_protokoll=$(mktemp "${TMPDIR:-/tmp}/paket-protokoll.XXXXXX")
setsid bash scripts/paket.sh >"$paket_protokoll" 2>&1 &
paket=$!
trap 'kill -- -"$paket" 2>/dev/null || true; rm -f "$paket_protokoll"' EXIT
stufe "Tests des optimierten Baus, daneben das Debian-Paket"
testen build
stufe "Warten auf das Debian-Paket"
if ! wait "$paket"; then
  cat "$paket_protokoll" >&2
  exit 1
fi
cat "$paket_protokoll"

# Beside the sanitizer build and its tests, and below them in priority (their
# window tests hold with both cores busy, and they take longest): the
# package's checks (lintian, one core), then the cores alone under libFuzzer,
# ASan and UBSan, each fuzz target a fixed number of inputs over its
# committed seeds (no display).
neben_protokoll=$(mktemp "${TMPDIR:-/tmp}/neben-protokoll.XXXXXX")
neben() {
  stufe "Pruefung des Pakets (daneben)"
  bash tests/paket/paket_pruefen.sh build-paket/maschinenelemente_*.deb . build
  stufe "Fuzz-Ziele (daneben)"
  CXX=clang++ cmake -S . -B build-fuzz -DKV_FUZZ=ON -DBUILD_TESTING=ON -DKV_EINHEITSBAU=ON >/dev/null
  cmake --build build-fuzz -j"$(nproc)"
  (cd build-fuzz && ctest --output-on-failure -j"$(nproc)")
}
setsid nice -n 5 bash -c "$(declare -f stufe neben); SECONDS=$SECONDS; set -euo pipefail; neben" \
  >"$neben_protokoll" 2>&1 &
daneben=$!
trap 'kill -- -"$paket" -"$daneben" 2>/dev/null || true; rm -f "$paket_protokoll" "$neben_protokoll"' EXIT
stufe "Bau und Tests mit Sanitizern, daneben Pruefung des Pakets und Fuzz-Ziele"
# Built by clang, which compiles this build three times as fast as GCC.
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 lauf build-san -DKV_SANITIZE=ON \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DKV_NETZMODUL="$PWD/build/seite/maschinenelemente.wasm"
stufe "Warten auf Pruefung des Pakets und Fuzz-Ziele"
neben_ok=0
wait "$daneben" || neben_ok=$?
cat "$neben_protokoll"
[ "$neben_ok" = 0 ] || { echo "package checks or fuzz targets failed (status $neben_ok)" >&2; exit 1; }
stufe "Fertig"
