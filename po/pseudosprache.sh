#!/bin/sh
# The pseudo-language from the template: each message's text as its own
# translation, every non-empty line wrapped in [[...]] (newlines at either
# end stay outside, as msgfmt --check wants them).
#   pseudosprache.sh <template> <out.mo>
set -eu
vorlage=$1 ziel=$2
po=$ziel.po
sed 's/charset=CHARSET/charset=UTF-8/' "$vorlage" | msgen - \
  | msgfilter --keep-header -o "$po" sed -E 's/^(.+)$/[[\1]]/'
msgfmt --check-format --check-domain -o "$ziel" "$po"
rm -f "$po"
