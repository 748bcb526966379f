#!/bin/sh
# Installs a package into a minimal Debian 12 system (debootstrap, minbase)
# with apt, as a user would, starts both programs from their menu entries,
# runs abacor-calc, then purges the package and checks that nothing of it is
# left. Exit 77 (skipped) without root or debootstrap, or without a mirror.
# Usage: MinimalSystemTest.sh PACKAGE.deb
set -u
package=$1
if [ "$(id -u)" -ne 0 ]; then echo "SKIPPED: a chroot needs root"; exit 77; fi
if ! command -v debootstrap >/dev/null 2>&1; then
    echo "SKIPPED: debootstrap is not installed (scripts/install-deps installs it)"; exit 77
fi
mirror=$(sed -n 's/^URIs: *\(http[^ ]*debian\)$/\1/p' /etc/apt/sources.list.d/debian.sources 2>/dev/null | head -n 1)
mirror=${mirror:-http://deb.debian.org/debian}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root
fail() { echo "FAIL: $*"; exit 1; }

if ! debootstrap --variant=minbase bookworm "$root" "$mirror" >"$work/debootstrap.log" 2>&1; then
    tail -n 5 "$work/debootstrap.log"
    echo "SKIPPED: debootstrap could not reach $mirror"; exit 77
fi
cp "$package" "$root/tmp/abacor.deb"
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/tmp/home DEBIAN_FRONTEND=noninteractive "$@"; }
in_root sh -c 'apt-get update -qq && apt-get install -y -qq --no-install-recommends /tmp/abacor.deb' \
    >"$work/install.log" 2>&1 || { tail -n 20 "$work/install.log"; fail "apt install of the package"; }
in_root dpkg-query -W -f='${Status}\n' abacor | grep -q 'install ok installed' || fail "the package is not configured"
in_root dpkg -L abacor >"$work/files"

# From the menu: each entry's Exec, offscreen; a program that keeps running
# until the timeout has started (status 124).
mkdir -p "$root/tmp/home"
for entry in jp.korvel.Abacor jp.korvel.Abacor.Settings; do
    command=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/$entry.desktop")
    in_root sh -c "cd /tmp/home && QT_QPA_PLATFORM=offscreen timeout 3 $command" >"$work/$entry.log" 2>&1
    status=$?
    [ "$status" -eq 124 ] || { cat "$work/$entry.log"; fail "$entry: '$command' ended with status $status"; }
done
[ -f "$root/tmp/home/.local/state/Korvel/Abacor/tape.db" ] || fail "the calculator kept no tape"
shown=$(in_root abacor-calc 1 + 2 = 2>/dev/null | tail -n 1 | cut -f2)
[ "$shown" = 3 ] || fail "abacor-calc shows '$shown' for 1 + 2 ="

in_root apt-get purge -y -qq abacor >"$work/purge.log" 2>&1 || { cat "$work/purge.log"; fail "apt purge"; }
left=""
while read -r file; do
    [ -d "$root$file" ] && continue  # folders the system shares stay
    [ -e "$root$file" ] && left="$left $file"
done <"$work/files"
[ -z "$left" ] || fail "left after purge:$left"
in_root dpkg-query -W abacor >/dev/null 2>&1 && in_root dpkg-query -W -f='${Status}\n' abacor | grep -qv 'not-installed' &&
    fail "dpkg still knows the package"
echo "PASS: installed into a minimal Debian with apt, started from both menu entries, purged without a trace"
