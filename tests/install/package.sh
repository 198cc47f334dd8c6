#!/usr/bin/env bash
# The Debian packages, made into a temporary folder and never installed: the game's package
# depends on its libraries and on the font it finds at run time, and unpacked it gives a
# program that tells its version, the replay tool, and its desktop files (the replay file's type
# among them). The server's package holds its service, whose environment file stays the
# administrator's.
# Usage: package.sh BUILD_DIR VERSION [server]
set -euo pipefail
build=$(realpath "$1")
version=$2
with_server=${3:-}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" ||
    { cat "$out/cpack.log" >&2; exit 1; }

unpacked_package() {
    local name=$1
    local debs=("$out/${name}_${version}_"*.deb)
    [ -f "${debs[0]}" ] || { echo "no package ${name}_${version}" >&2; ls "$out" >&2; exit 1; }
    dpkg-deb -x "${debs[0]}" "$out/$name"
    dpkg-deb -e "${debs[0]}" "$out/$name/DEBIAN"
    dpkg-deb --field "${debs[0]}" Depends
}

depends=$(unpacked_package pudorock)
for needed in fonts-ipafont-gothic libsdl2-2.0-0 libsdl2-ttf-2.0-0 libc6; do
    grep -q "\b$needed\b" <<<"$depends" ||
        { echo "pudorock does not depend on $needed: $depends" >&2; exit 1; }
done
game=$out/pudorock/usr/bin/pudorock
[ -x "$game" ] || { echo "the package holds no runnable usr/bin/pudorock" >&2; exit 1; }
file -b "$game" | grep -q "^ELF .* executable" || { echo "$game: $(file -b "$game")" >&2; exit 1; }
shown=$("$game" --version) || { echo "the packaged game failed on --version" >&2; exit 1; }
[ "$shown" = "pudorock $version" ] ||
    { echo "the packaged game says \"$shown\", expected \"pudorock $version\"" >&2; exit 1; }
[ -x "$out/pudorock/usr/bin/pudorock-replay" ] ||
    { echo "the package holds no runnable usr/bin/pudorock-replay" >&2; exit 1; }
[ -f "$out/pudorock/usr/share/applications/pudorock.desktop" ] ||
    { echo "the package holds no desktop entry" >&2; exit 1; }
# dpkg's trigger of shared-mime-info adds it to the MIME database on installation.
[ -f "$out/pudorock/usr/share/mime/packages/pudorock-replay.xml" ] ||
    { echo "the package holds no replay file type" >&2; exit 1; }

if [ "$with_server" = server ]; then
    unpacked_package pudorock-ranking-server >/dev/null
    server=$out/pudorock-ranking-server
    [ -x "$server/usr/bin/pudorock-ranking-server" ] ||
        { echo "the server package holds no runnable program" >&2; exit 1; }
    for file in usr/share/man/man8/pudorock-ranking-server.8 \
        lib/systemd/system/pudorock-ranking-server.service \
        usr/lib/sysusers.d/pudorock-ranking-server.conf etc/default/pudorock-ranking-server \
        DEBIAN/postinst; do
        [ -f "$server/$file" ] || { echo "the server package holds no $file" >&2; exit 1; }
    done
    grep -qx /etc/default/pudorock-ranking-server "$server/DEBIAN/conffiles" ||
        { echo "the server's environment file is no conffile" >&2; exit 1; }
    "$(dirname "$0")/service-unit.sh" "$server"
fi
echo "packages made and complete"
