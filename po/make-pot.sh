#!/bin/sh
# Writes the catalogue's template: every text of the game marked with tr() or trLater().
# Usage: make-pot.sh SOURCE_TREE OUTPUT.pot
set -eu
tree=$1
output=$2
cd "$tree"
find app game platform ranking media net text -name '*.cpp' -o -name '*.h' | LC_ALL=C sort |
    xgettext --from-code=UTF-8 --language=C++ --keyword=tr --keyword=trLater \
        --package-name=pudorock --msgid-bugs-address=pudorock@users.noreply.github.com \
        --add-comments=TRANSLATORS: --no-location --sort-output --files-from=- \
        --output="$output"
