#!/usr/bin/env bash
# `cmake --install` into a temporary prefix: every file in its place, each one valid for the
# desktop tools that read it, and the version the build was given in the metadata and manual.
# Usage: install-tree.sh BUILD_DIR VERSION [server]
set -euo pipefail
build=$1
version=$2
with_server=${3:-}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
cd "$prefix"

expected=(
    bin/pudorock
    bin/pudorock-replay
    share/man/man1/pudorock-replay.1
    share/applications/pudorock.desktop
    share/metainfo/io.github.pudorock.pudorock.metainfo.xml
    share/man/man6/pudorock.6
    share/doc/pudorock/README.md
)
sizes=(16 32 48 64 128 256)
for size in "${sizes[@]}"; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/pudorock.png")
done
if [ "$with_server" = server ]; then
    expected+=(bin/pudorock-ranking-server
        share/doc/pudorock-ranking-server/pudorock-ranking-server.service)
fi
for file in "${expected[@]}"; do
    [ -f "$file" ] || { echo "missing from the install tree: $file" >&2; exit 1; }
done
for program in bin/pudorock bin/pudorock-replay; do
    [ -x "$program" ] || { echo "$program is not executable" >&2; exit 1; }
done
shown=$(bin/pudorock-replay --version) ||
    { echo "bin/pudorock-replay failed on --version" >&2; exit 1; }
[ "$shown" = "pudorock-replay $version" ] ||
    { echo "bin/pudorock-replay says \"$shown\", expected \"pudorock-replay $version\"" >&2; exit 1; }

desktop-file-validate share/applications/pudorock.desktop
appstreamcli validate --no-net share/metainfo/io.github.pudorock.pudorock.metainfo.xml >/dev/null

man -l share/man/man6/pudorock.6 >manual.txt 2>man-warnings.txt
[ ! -s man-warnings.txt ] || { cat man-warnings.txt >&2; exit 1; }
for heading in OPTIONS KEYS FILES ENVIRONMENT; do
    grep -q "^$heading" manual.txt || { echo "the manual has no $heading" >&2; exit 1; }
done
man -l share/man/man1/pudorock-replay.1 >replay-manual.txt 2>man-warnings.txt
[ ! -s man-warnings.txt ] || { cat man-warnings.txt >&2; exit 1; }
for heading in COMMANDS "EXIT STATUS"; do
    grep -q "^$heading" replay-manual.txt ||
        { echo "the replay tool's manual has no $heading" >&2; exit 1; }
done

for size in "${sizes[@]}"; do
    icon=share/icons/hicolor/${size}x${size}/apps/pudorock.png
    file -b "$icon" | grep -q "^PNG image data, $size x $size," ||
        { echo "$icon: $(file -b "$icon"), expected a $size x $size PNG" >&2; exit 1; }
done

grep -q "<release version=\"$version\"" share/metainfo/io.github.pudorock.pudorock.metainfo.xml ||
    { echo "the metainfo has no release $version" >&2; exit 1; }
grep -q "^\.TH PUDOROCK 6 .*\"pudorock $version\"" share/man/man6/pudorock.6 ||
    { echo "the manual is not for version $version" >&2; exit 1; }
grep -q "^\.TH PUDOROCK-REPLAY 1 .*\"pudorock $version\"" share/man/man1/pudorock-replay.1 ||
    { echo "the replay tool's manual is not for version $version" >&2; exit 1; }
echo "install tree complete and valid"
