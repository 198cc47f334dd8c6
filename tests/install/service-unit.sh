#!/usr/bin/env bash
# The ranking server's unit as its package unpacked under ROOT holds it: systemd finds nothing
# wrong in it, the program and manual page it names included; the package's sysusers.d file
# makes the user it runs as; it is sandboxed to an exposure of 2.0 or less. Prints the exposure.
# Usage: service-unit.sh ROOT
set -euo pipefail
root=$(realpath "$1")
unit=$root/lib/systemd/system/pudorock-ranking-server.service
program=/usr/bin/pudorock-ranking-server
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

command -v systemd-analyze >/dev/null || {
    echo "systemd-analyze is missing: it comes with Debian's systemd package (make deps)" >&2
    exit 1
}
grep -q "^ExecStart=$program " "$unit" || { echo "$unit does not start $program" >&2; exit 1; }

# verify looks for the program where the unit says, so a copy names the unpacked one.
sed "s#^ExecStart=$program #ExecStart=$root$program #" "$unit" >"$work/${unit##*/}"
MANPATH=$root/usr/share/man systemd-analyze verify "$work/${unit##*/}" >"$work/verify.txt" 2>&1 ||
    { cat "$work/verify.txt" >&2; exit 1; }
[ ! -s "$work/verify.txt" ] || { cat "$work/verify.txt" >&2; exit 1; }

# As the package's postinst asks for it, in a root of its own.
sysusers=usr/lib/sysusers.d/pudorock-ranking-server.conf
mkdir -p "$work/root/etc" "$work/root/${sysusers%/*}"
cp "$root/$sysusers" "$work/root/$sysusers"
systemd-sysusers --root="$work/root" "${sysusers##*/}" 2>"$work/sysusers.txt" ||
    { cat "$work/sysusers.txt" >&2; exit 1; }
user=$(sed -n 's/^User=//p' "$unit")
grep -q "^$user:" "$work/root/etc/passwd" ||
    { echo "$sysusers does not make the unit's user \"$user\"" >&2; exit 1; }

# The threshold is in tenths.
if ! systemd-analyze security --offline=true --threshold=20 "$unit" >"$work/security.txt" 2>&1; then
    grep -v "✓" "$work/security.txt" >&2
    echo "the unit's exposure is above 2.0" >&2
    exit 1
fi
grep "Overall exposure level" "$work/security.txt"
