#!/bin/sh
# Every marked text has its English translation, none fuzzy, and po/pudorock.pot holds exactly
# the texts the sources mark. Usage: catalogues.sh SOURCE_TREE WORK_FOLDER
set -eu
tree=$1
work=$2
mkdir -p "$work"
fresh=$work/fresh.pot
"$tree/po/make-pot.sh" "$tree" "$fresh"
fail() { echo "$*" >&2; exit 1; }

statistics=$(msgfmt --check --statistics --output-file=/dev/null "$tree/po/en.po" 2>&1)
case $statistics in
*untranslated* | *fuzzy*) fail "en.po is incomplete: $statistics" ;;
esac
# Each marked text translated in en.po, and nothing there that the sources no longer mark.
msgcmp "$tree/po/en.po" "$fresh" || fail "en.po lacks a translation of a marked text"
msgcmp --use-untranslated "$fresh" "$tree/po/en.po" || fail "en.po translates a text no longer marked"
msgcmp --use-untranslated "$tree/po/pudorock.pot" "$fresh" &&
    msgcmp --use-untranslated "$fresh" "$tree/po/pudorock.pot" ||
    fail "po/pudorock.pot is not current: cmake --build build --target pot"
