#!/usr/bin/env bash
# Installs the build as a user would (cmake --install into a fresh prefix, one
# with a blank in its name, and once more below a DESTDIR), checks the
# installed tree, the five menu launchers and the input sets' MIME types, and
# starts stalor the way a desktop opens an input set with it: Exec= and Path=
# taken from its launcher, %f replaced by the set, the program started in
# Path from elsewhere, under strace, until its window shows.  Every picture
# the window needs and the set must then have been opened.
#   installation_pruefen.sh <cmake> <source dir> <build dir>
# Needs an X display (the suite runs under xvfb-run), strace, xdotool and
# desktop-file-validate.
set -euo pipefail
cmake=$1 quelle=$2 build=$3
mapfile -t programme <"$build/rechner.txt"
stalor_bilder=(stalor.png stalor_rechnen.png stalor_speichern.png stalor_info.png
               stalor_ende.png Knickfall1.png Knickfall2.png Knickfall3.png Knickfall4.png)

tmp=$(mktemp -d "${TMPDIR:-/tmp}/installation.XXXXXX")
strace_pid=""
aufraeumen() {
  if [ -n "$strace_pid" ]; then
    # Ending the traced program ends strace; strace itself ignores SIGTERM.
    [ -s "$tmp/pid" ] && kill "$(cat "$tmp/pid")" 2>/dev/null || true
    kill -0 "$strace_pid" 2>/dev/null && sleep 0.2 && kill -KILL "$strace_pid" 2>/dev/null || true
    wait "$strace_pid" 2>/dev/null || true
  fi
  rm -rf "$tmp"
}
trap aufraeumen EXIT
fehler() { echo "FAIL: $*" >&2; exit 1; }

for werkzeug in desktop-file-validate strace xdotool timeout; do
  command -v "$werkzeug" >/dev/null || fehler "$werkzeug is missing (scripts/install-deps.sh installs it)"
done
[ -n "${DISPLAY:-}" ] || fehler "no X display: run the suite under xvfb-run"
strace -f -qq -e trace=openat,open -o /dev/null true 2>"$tmp/strace_probe" ||
  fehler "strace cannot trace here (ptrace denied?), so the pictures cannot be checked: $(cat "$tmp/strace_probe")"

# Value of a key in the [Desktop Entry] group, string escapes \\ and \s undone.
wert() {
  local v
  v=$(sed -n "s/^$2=//p" "$1" | head -n 1)
  v=${v//\\s/ }
  printf '%s' "${v//\\\\/\\}"
}

installieren() { # <prefix>, DESTDIR from the environment
  timeout 60 "$cmake" --install "$build" --prefix "$1" >"$tmp/install.log" 2>&1 ||
    { cat "$tmp/install.log" >&2; fehler "cmake --install --prefix '$1' failed"; }
}

prefix="$tmp/mein praefix"
installieren "$prefix"
daten="$prefix/share/maschinenelemente"

# The data folder holds exactly the PNG pictures of pictures/, and the web
# page where the build made it.
seite=""
[ -f "$build/seite/maschinenelemente.html" ] && seite=maschinenelemente.html
diff <( (cd "$quelle/pictures" && ls -1 -- *.png; [ -z "$seite" ] || echo "$seite") | LC_ALL=C sort) \
     <(cd "$daten" && ls -1A | LC_ALL=C sort) >"$tmp/diff" ||
  { cat "$tmp/diff" >&2; fehler "$daten differs from the PNGs of pictures/ and the page (< missing, > extra)"; }
if [ -n "$seite" ]; then
  cmp -s "$build/seite/maschinenelemente.html" "$daten/maschinenelemente.html" ||
    fehler "the installed page differs from the built one"
fi

png_groesse() { # width x height from the IHDR chunk
  od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d", $3 * 256 + $4, $7 * 256 + $8 }'
}

for p in "${programme[@]}"; do
  [ -x "$prefix/bin/$p" ] || fehler "$prefix/bin/$p is not installed"
  icon="$prefix/share/icons/hicolor/48x48/apps/$p.png"
  [ -f "$icon" ] || fehler "icon $icon is not installed"
  [ "$(png_groesse "$icon")" = 48x48 ] || fehler "$icon is $(png_groesse "$icon"), not 48x48"
  [ -f "$prefix/share/icons/hicolor/scalable/apps/$p.svg" ] || fehler "scalable icon of $p is not installed"
  starter="$prefix/share/applications/$p.desktop"
  [ -f "$starter" ] || fehler "launcher $starter is not installed"
  # Not even a hint: one main category, so the menu lists each program once.
  if ! desktop-file-validate "$starter" >"$tmp/validate" 2>&1 || [ -s "$tmp/validate" ]; then
    cat "$tmp/validate" >&2
    fehler "desktop-file-validate objects to $starter"
  fi
  [ "$(wert "$starter" Icon)" = "$p" ] || fehler "$starter: Icon= is not $p"
  [ "$(wert "$starter" Path)" = "$daten" ] || fehler "$starter: Path= is not $daten"
  [ "$(wert "$starter" MimeType)" = "application/x-maschinenelemente-$p;" ] ||
    fehler "$starter: MimeType= does not name the input sets of $p"
done

# The input sets' types: the XML installed, the MIME database updated from it
# (update-mime-database), and a set recognised by its name and, without
# one, by its content.
mime="$prefix/share/mime"
[ -f "$mime/packages/maschinenelemente.xml" ] || fehler "$mime/packages/maschinenelemente.xml is not installed"
if command -v update-mime-database >/dev/null; then
  [ -f "$mime/mime.cache" ] || fehler "cmake --install did not run update-mime-database on $mime"
  if command -v gio >/dev/null; then
    "$prefix/bin/maschinenelemente" wendis --eingaben-schreiben "$tmp/feder.wendis"
    cp "$tmp/feder.wendis" "$tmp/ohne_endung"
    for f in feder.wendis ohne_endung; do
      typ=$(XDG_DATA_HOME="$tmp/leer" XDG_DATA_DIRS="$prefix/share:/usr/share" \
            gio info -a standard::content-type "$tmp/$f" | sed -n 's/^ *standard::content-type: //p')
      [ "$typ" = application/x-maschinenelemente-wendis ] || fehler "$f is taken for '$typ'"
    done
  fi
fi

# Below a DESTDIR the files land there, the launchers name the real prefix.
DESTDIR="$tmp/paket" installieren /opt/maschinenelemente
staging="$tmp/paket/opt/maschinenelemente"
[ -x "$staging/bin/stalor" ] || fehler "DESTDIR install: $staging/bin/stalor is missing"
[ "$(wert "$staging/share/applications/stalor.desktop" Path)" = /opt/maschinenelemente/share/maschinenelemente ] ||
  fehler "DESTDIR install: Path= of stalor.desktop is not below /opt/maschinenelemente"

# Start stalor as a file manager opens a set with it: Exec= is one possibly
# double-quoted path (inside the quotes \ " \` \$ are escaped, %% stands for
# %) and the field code %f for the file.
starter="$prefix/share/applications/stalor.desktop"
programm=$(wert "$starter" Exec)
[[ $programm == *" %f" ]] || fehler "$starter: Exec= does not end in %f: '$programm'"
programm=${programm% %f}
if [[ $programm == \"*\" ]]; then
  programm=$(printf '%s' "${programm:1:${#programm}-2}" | sed 's/\\\(["`$\\]\)/\1/g')
fi
programm=${programm//%%/%}
ordner=$(wert "$starter" Path)
titel=$(wert "$starter" Name)
[ "$programm" = "$prefix/bin/stalor" ] || fehler "$starter: Exec= does not start $prefix/bin/stalor but '$programm'"

satz="$tmp/mein satz.stalor"
"$prefix/bin/maschinenelemente" stalor --eingaben-schreiben "$satz" F=4000
cd /
(cd "$ordner" && exec strace -f -qq -e trace=openat,open -o "$tmp/strace.log" \
   -- sh -c 'echo $$ >"$0"; exec "$1" "$2"' "$tmp/pid" "$programm" "$satz") >"$tmp/programm.log" 2>&1 &
strace_pid=$!
for _ in $(seq 100); do
  [ -s "$tmp/pid" ] && break
  kill -0 "$strace_pid" 2>/dev/null || break
  sleep 0.05
done
[ -s "$tmp/pid" ] || { cat "$tmp/programm.log" >&2; fehler "stalor did not start"; }
pid=$(cat "$tmp/pid")
if ! timeout 15 xdotool search --sync --all --onlyvisible --pid "$pid" --name "^$titel\$" >/dev/null; then
  cat "$tmp/programm.log" >&2
  fehler "no visible window '$titel' of stalor within 15 s"
fi
# The set is opened once the main loop runs: give it that moment.
for _ in $(seq 50); do
  grep -qF "\"$satz\"" "$tmp/strace.log" && break
  sleep 0.1
done
kill "$pid"
wait "$strace_pid" || true
strace_pid=""

# Calls of two threads (the pictures are read in a thread of their own) may
# be split into "<unfinished ...>" and "<... openat resumed>" lines: join them
# per thread before looking (strace pads the result with blanks).
awk '/ <unfinished \.\.\.>$/ { offen[$1] = substr($0, 1, length($0) - 17); next }
     /<\.\.\. open(at)? resumed>/ && ($1 in offen) {
       r = $0; sub(/.*resumed>/, "", r); print offen[$1] r; delete offen[$1]; next }
     { print }' "$tmp/strace.log" >"$tmp/aufrufe"
grep -q -E '^[0-9]+ +open(at)?\(' "$tmp/aufrufe" || fehler "strace recorded no open calls of stalor"
fehlt=()
for bild in "${stalor_bilder[@]}" "$satz"; do
  grep -q -E "^[0-9]+ +open(at)?\((AT_FDCWD, )?\"${bild//./\\.}\", .*\) += [0-9]+" "$tmp/aufrufe" ||
    fehlt+=("$bild")
done
if [ ${#fehlt[@]} -gt 0 ]; then
  printf '"%s"\n' "${fehlt[@]}" | grep -F -f - "$tmp/aufrufe" >&2 || true
  fehler "started from its launcher in $ordner, stalor could not open: ${fehlt[*]}"
fi
echo "installed into '$prefix', launchers and MIME types valid, stalor started from its launcher with a set and opened it and all ${#stalor_bilder[@]} pictures"
