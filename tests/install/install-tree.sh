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
    share/mime/packages/pudorock-replay.xml
    share/man/man6/pudorock.6
    share/doc/pudorock/README.md
    share/locale/en/LC_MESSAGES/pudorock.mo
)
sizes=(16 32 48 64 128 256)
for size in "${sizes[@]}"; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/pudorock.png")
done
if [ "$with_server" = server ]; then
    expected+=(bin/pudorock-ranking-server
        share/man/man8/pudorock-ranking-server.8
        lib/systemd/system/pudorock-ranking-server.service
        lib/sysusers.d/pudorock-ranking-server.conf
        etc/default/pudorock-ranking-server)
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

# The installed game finds its catalogue under its own prefix.
bin/pudorock --lang en --help | grep -q '^Pudorock: ' ||
    { echo "bin/pudorock --lang en does not find share/locale" >&2; exit 1; }

desktop-file-validate share/applications/pudorock.desktop
appstreamcli validate --no-net share/metainfo/io.github.pudorock.pudorock.metainfo.xml >/dev/null

# A manual page: for this version, shown without a warning, with the sections named.
check_manual() {
    local page=$1 title=$2
    shift 2
    grep -q "^\.TH $title .*\"pudorock $version\"" "$page" ||
        { echo "$page is not for version $version" >&2; exit 1; }
    man --warnings -l "$page" >manual.txt 2>man-warnings.txt
    [ ! -s man-warnings.txt ] || { cat man-warnings.txt >&2; exit 1; }
    for heading in "$@"; do
        grep -q "^$heading" manual.txt || { echo "$page has no $heading" >&2; exit 1; }
    done
}
check_manual share/man/man6/pudorock.6 "PUDOROCK 6" OPTIONS KEYS FILES ENVIRONMENT
check_manual share/man/man1/pudorock-replay.1 "PUDOROCK-REPLAY 1" COMMANDS "EXIT STATUS"

# The replay file's type, in a MIME database made from the tree alone: a file manager knows a
# replay by its extension or its signature, and the menu entry opens that type. Outside any
# desktop, xdg-mime asks the shared MIME database.
in_tree() {
    env -i PATH="$PATH" HOME="$prefix" XDG_DATA_HOME="$prefix/share" XDG_DATA_DIRS="$prefix/share" \
        "$@"
}
replay_type=application/x-pudorock-replay
in_tree update-mime-database "$prefix/share/mime" 2>mime-warnings.txt
[ ! -s mime-warnings.txt ] || { cat mime-warnings.txt >&2; exit 1; }
echo "not a replay inside" >downloaded.pdrp
printf 'PDRP\001\000' >replay-without-extension
for file in downloaded.pdrp replay-without-extension; do
    found=$(in_tree xdg-mime query filetype "$file")
    [ "$found" = "$replay_type" ] || { echo "$file is \"$found\", expected $replay_type" >&2; exit 1; }
done
grep -qx "MimeType=$replay_type;" share/applications/pudorock.desktop ||
    { echo "the menu entry does not open $replay_type" >&2; exit 1; }

for size in "${sizes[@]}"; do
    icon=share/icons/hicolor/${size}x${size}/apps/pudorock.png
    file -b "$icon" | grep -q "^PNG image data, $size x $size," ||
        { echo "$icon: $(file -b "$icon"), expected a $size x $size PNG" >&2; exit 1; }
done

grep -q "<release version=\"$version\"" share/metainfo/io.github.pudorock.pudorock.metainfo.xml ||
    { echo "the metainfo has no release $version" >&2; exit 1; }

if [ "$with_server" = server ]; then
    check_manual share/man/man8/pudorock-ranking-server.8 "PUDOROCK-RANKING-SERVER 8" \
        COMMANDS "THE SERVICE" FILES BACKUP SIGNALS "EXIT STATUS"
    # Away from /usr the unit names the program and environment file of this prefix.
    unit=lib/systemd/system/pudorock-ranking-server.service
    for line in "ExecStart=$prefix/bin/pudorock-ranking-server " \
        "EnvironmentFile=-$prefix/etc/default/pudorock-ranking-server"; do
        grep -qF "$line" "$unit" || { echo "$unit has no line with \"$line\"" >&2; exit 1; }
    done
fi
echo "install tree complete and valid"
