#!/bin/sh
# Every word of the programs has its translation: the .ts files are what
# lupdate makes of today's sources (no new word missing, none left over) and
# no entry is unfinished. Exit 77 (skipped) without Qt's lupdate.
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
if [ ! -x "$lupdate" ]; then
    echo "SKIPPED: $lupdate is missing (qt6-l10n-tools; scripts/install-deps installs it)"; exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$root"/translations/*.ts "$work/"
sh "$root/scripts/update-translations" "$work" || exit 1
failed=0
for ts in "$root"/translations/*.ts; do
    name=$(basename "$ts")
    if ! diff -u "$ts" "$work/$name" >"$work/$name.diff"; then
        echo "FAIL: $name is not up to date (run scripts/update-translations and translate):"
        grep '^[-+] *<source>' "$work/$name.diff" | head -n 20
        failed=1
    fi
    if grep -q 'type="unfinished"\|type="vanished"\|type="obsolete"' "$ts"; then
        echo "FAIL: $name has entries not translated:"
        grep -B 2 'type="unfinished"\|type="vanished"\|type="obsolete"' "$ts" | grep '<source>' | head -n 20
        failed=1
    fi
done
[ "$failed" -eq 0 ] && echo "PASS: every word is translated"
exit "$failed"
