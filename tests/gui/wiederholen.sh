#!/usr/bin/env bash
# Runs every window and menu test program many times, under the three
# locales,
# and counts the runs that failed and those that hung (ended by the limit).
# Not part of the test command: it proves that the window tests never hang
# and never depend on luck.
#   bash tests/gui/wiederholen.sh BUILD [RUNS] [belastet]
# RUNS per program (default 50, in turn under C.UTF-8, de_DE.UTF-8 and
# en_US.UTF-8 with the build's catalogues); with
# "belastet" both cores are kept busy by stress-ng meanwhile;
# KV_PROGRAMME="kopdra wendis" runs only those programs' tests.  A sanitizer
# build runs as the test command runs it, without the leak report at exit.
set -uo pipefail
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
build=$(cd "${1:?build folder}" && pwd)
programme=${KV_PROGRAMME:-$(cat "$build/rechner.txt")}
runs=${2:-50}
last=${3:-}
for prog in $programme; do
  for art in fenster menue; do
    [ -x "$build/test_${prog}_${art}" ] || { echo "$build/test_${prog}_${art} fehlt: erst bauen" >&2; exit 2; }
  done
done
cd "$(dirname "$0")/../../pictures"
stress=""
if [ "$last" = belastet ]; then
  command -v stress-ng >/dev/null || { echo "stress-ng fehlt (apt-get install stress-ng)" >&2; exit 2; }
  stress-ng --cpu "$(nproc)" --timeout 0 >/dev/null 2>&1 &
  stress=$!
  trap 'kill $stress 2>/dev/null' EXIT
fi
protokolle=$(mktemp -d /tmp/kv-wiederholen-XXXXXX)
gesamt_f=0; gesamt_h=0
printf '%-22s %5s %5s %5s %8s\n' programm laeufe fehl haengt sekunden
for prog in $programme; do
  for art in fenster menue; do
    bin=$build/test_${prog}_${art}
    filter='*'
    [ $art = menue ] && filter='Fenster.*:Texte.*'
    f=0; h=0; beginn=$(date +%s)
    for i in $(seq "$runs"); do
      case $((i % 3)) in
        0) loc=en_US.UTF-8 ;;
        1) loc=C.UTF-8 ;;
        2) loc=de_DE.UTF-8 ;;
      esac
      log=$protokolle/${prog}_${art}_$i.log
      LANG=$loc LC_ALL=$loc LANGUAGE= KV_LOCALEDIR=$build/locale timeout 90 xvfb-run -a -s '-screen 0 1280x1024x24' \
        "$bin" --gtest_filter="$filter" >"$log" 2>&1
      case $? in
        0) rm -f "$log" ;;
        124) h=$((h + 1)) ;;
        *) f=$((f + 1)) ;;
      esac
    done
    printf '%-22s %5d %5d %5d %8d\n' "test_${prog}_${art}" "$runs" "$f" "$h" $(($(date +%s) - beginn))
    gesamt_f=$((gesamt_f + f)); gesamt_h=$((gesamt_h + h))
  done
done
echo "zusammen: $gesamt_f fehlgeschlagen, $gesamt_h haengengeblieben (Protokolle: $protokolle)"
[ $gesamt_f = 0 ] && [ $gesamt_h = 0 ]
