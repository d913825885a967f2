#!/usr/bin/env bash
# Installs what is missing, builds the Debian package with the test suite
# and runs the suite on the programs it ships: core and report tests, window
# tests under Xvfb (also under German and English locales), the web page in
# headless Chromium and its module against the command line; then the
# package's contents, everything once more built by clang with
# AddressSanitizer and UndefinedBehaviorSanitizer, and a short fixed run of
# every calculator's fuzz target (clang, libFuzzer).
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

# The Debian package is built first, with the test suite beside the programs
# (dpkg-buildpackage, the package's own flags); the tests run in its build
# tree, so the programs they hold are the ones the package ships.  That build
# also makes the engine as a WebAssembly module and the web page from it,
# which its tests compare with the command line.
stufe "Debian-Paket mit den Tests"
bash scripts/paket.sh --mit-tests
bau=build-paket/maschinenelemente/obj-$(dpkg-architecture -qDEB_HOST_GNU_TYPE)
deb=$(ls build-paket/maschinenelemente_*.deb)

# Beside the package's tests, and below them in priority (their window tests
# hold with both cores busy): the build with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer (clang compiles it three times as fast as GCC).
san_protokoll=$(mktemp "${TMPDIR:-/tmp}/san-protokoll.XXXXXX")
sanbau() {
  stufe "Bau mit Sanitizern (daneben)"
  bauen build-san -DKV_SANITIZE=ON -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DKV_NETZMODUL="$PWD/$bau/seite/maschinenelemente.wasm"
}
setsid nice -n 5 bash -c "$(declare -f stufe bauen sanbau); bau=$bau; SECONDS=$SECONDS; set -euo pipefail; sanbau" \
  >"$san_protokoll" 2>&1 &
san=$!
trap 'kill -- -"$san" 2>/dev/null || true; rm -f "$san_protokoll"' EXIT
stufe "Tests des Pakets, daneben der Bau mit Sanitizern"
testen "$bau"
stufe "Warten auf den Bau mit Sanitizern"
san_ok=0
wait "$san" || san_ok=$?
cat "$san_protokoll"
[ "$san_ok" = 0 ] || { echo "the sanitizer build failed (status $san_ok)" >&2; exit 1; }

# Beside the sanitizer build's tests, below them in priority (their window
# tests take one core at a time): the package's checks against its build
# (lintian, one core), then the cores alone under libFuzzer with the same
# sanitizers, each fuzz target a fixed number of inputs over its committed
# seeds (no display).
neben_protokoll=$(mktemp "${TMPDIR:-/tmp}/neben-protokoll.XXXXXX")
neben() {
  stufe "Pruefung des Pakets (daneben)"
  bash tests/paket/paket_pruefen.sh "$deb" . "$bau"
  stufe "Fuzz-Ziele (daneben)"
  CXX=clang++ bauen build-fuzz -DKV_FUZZ=ON
  (cd build-fuzz && ctest --output-on-failure -j"$(nproc)")
}
setsid nice -n 5 bash -c "$(declare -f stufe bauen neben); bau=$bau; deb=$deb; SECONDS=$SECONDS; set -euo pipefail; neben" \
  >"$neben_protokoll" 2>&1 &
daneben=$!
trap 'kill -- -"$daneben" 2>/dev/null || true; rm -f "$san_protokoll" "$neben_protokoll"' EXIT
stufe "Tests mit Sanitizern, daneben Pruefung des Pakets und Fuzz-Ziele"
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 testen build-san
stufe "Warten auf Pruefung des Pakets und Fuzz-Ziele"
neben_ok=0
wait "$daneben" || neben_ok=$?
cat "$neben_protokoll"
[ "$neben_ok" = 0 ] || { echo "package checks or fuzz targets failed (status $neben_ok)" >&2; exit 1; }
stufe "Fertig"
