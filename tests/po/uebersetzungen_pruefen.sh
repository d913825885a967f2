#!/usr/bin/env bash
# The catalogues against the sources: every source that marks texts went
# into the template (po/POTFILES.in lists the shared ones, the build adds
# the calculators' cores), and each language of po/LINGUAS translates every
# text of the template made from them (nothing untranslated, nothing fuzzy)
# and no text the sources no longer have.
#   uebersetzungen_pruefen.sh <source root> <template>
set -uo pipefail
wurzel=$1 vorlage=$2
cd "$wurzel" || exit 2
fehler=0
falsch() { echo "FEHLER: $*"; fehler=1; }

# What the template was made from: the files its texts are referenced in.
gelistet=$(sed -n 's/^#: //p' "$vorlage" | tr ' ' '\n' | sed 's/:[0-9]*$//' | sort -u)
while IFS= read -r f; do
  grep -qxF "$f" <<<"$gelistet" || falsch "$f marks texts, but the template has none of them (po/POTFILES.in)"
done < <(grep -rlE '(^|[^A-Za-z0-9_])N?_\("' --include='*.cpp' --include='*.h' . \
           | sed 's|^\./||' | grep -vE '^(build[^/]*|tests)/' | sort)

for sprache in $(grep -v '^#' po/LINGUAS); do
  po=po/$sprache.po
  statistik=$(msgfmt --check --statistics -o /dev/null "$po" 2>&1) || falsch "$po: $statistik"
  grep -qE 'untranslated|fuzzy|warning' <<<"$statistik" && falsch "$po: $statistik"
  msgcmp "$po" "$vorlage" >/dev/null 2>&1 || falsch "$po lacks texts of the sources: $(msgcmp "$po" "$vorlage" 2>&1 | head -5)"
  msgcmp --use-untranslated "$vorlage" "$po" >/dev/null 2>&1 \
    || falsch "$po has texts the sources no longer mark: $(msgcmp --use-untranslated "$vorlage" "$po" 2>&1 | head -5)"
done
exit $fehler
