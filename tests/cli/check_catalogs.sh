#!/bin/sh
# check_catalogs.sh SOURCE_DIR: fails on a marked message that the template
# or the zh_CN and zh_TW catalogs lack (or hold only as fuzzy), and on a
# translation whose printf conversions differ from its message's.
set -eu
po=$1/cli/po
fresh=$(mktemp --suffix=.pot)
trap 'rm -f "$fresh"' EXIT
sh "$po/make-pot.sh" "$1" "$fresh"
msgcmp --use-untranslated "$po/yaopan-cast.pot" "$fresh"
for language in zh_CN zh_TW; do
  msgcmp "$po/$language.po" "$fresh"
done
for language in zh_CN zh_TW en; do
  msgfmt --check --output-file=/dev/null "$po/$language.po"
done
