#!/bin/sh
# Builds the Debian package twice as `make package` does (programs only,
# hardening flags, dated by the last commit) in two folders, checks that both
# .deb files are the same byte for byte, then runs lintian --pedantic --info:
# any tag fails; then installs it into a minimal system (MinimalSystemTest.sh).
# Exit 77 (skipped) when a packaging tool is missing.
set -u
SOURCE=$(cd "$(dirname "$0")/../.." && pwd)
for tool in lintian dpkg-shlibdeps dpkg-buildflags cpack readelf git; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIPPED: $tool is not installed (scripts/install-deps installs it)"; exit 77
    fi
done
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

for build in one two; do
    "$SOURCE/scripts/build-package" "$out/$build" >"$out/$build.log" 2>&1 || { tail -n 30 "$out/$build.log"; fail "build-package"; }
done
package=$(ls "$out"/one/abacor_*.deb)
again=$(ls "$out"/two/abacor_*.deb)
cmp -s "$package" "$again" || fail "two builds of the same commit differ: $(sha256sum "$package" "$again")"

dpkg-deb --info "$package" >"$out/info"
grep -E '^ (Package|Version|Depends|Recommends|Suggests):' "$out/info"
grep -q '^ Depends:.*fonts-ipafont-gothic' "$out/info" || fail "the font is not a dependency"
grep -q '^ Depends:.*libqt6printsupport6' "$out/info" || fail "the print module's library is not a dependency"
grep -q '^ Suggests: qt6-wayland' "$out/info" || fail "qt6-wayland is not suggested"
grep -q '^ Recommends: qt6-translations-l10n' "$out/info" || fail "Qt's translations are not recommended"

# Hardened and stripped as Debian's own binaries are.
mkdir "$out/root"
dpkg-deb -x "$package" "$out/root"
for binary in "$out"/root/usr/bin/* "$out"/root/usr/lib/*/abacor/*.so; do
    readelf -d "$binary" | grep -q 'BIND_NOW\|FLAGS.*NOW' || fail "$(basename "$binary") is not linked with bind-now"
    readelf -S "$binary" | grep -q '\.comment' && fail "$(basename "$binary") keeps its .comment section"
    readelf -W --dyn-syms "$binary" | grep -q '__stack_chk_fail' || fail "$(basename "$binary") has no stack protector"
done
for page in man1/Abacor.1.gz man1/AbacorSet.1.gz man1/abacor-calc.1.gz man1/abacor-render.1.gz man5/Abacor.conf.5.gz; do
    [ -f "$out/root/usr/share/man/$page" ] || fail "manual page missing: $page"
done

lintian --pedantic --info --tag-display-limit 0 "$package" >"$out/lintian.log" 2>&1
grep -v '^N:' "$out/lintian.log" | grep -v 'running with root privileges'
if grep -qE '^[EWIPX]: ' "$out/lintian.log"; then
    fail "lintian --pedantic --info reports tags"
fi
echo "PASS: $(basename "$package") builds reproducibly, hardened, and lintian --pedantic --info says nothing"

sh "$SOURCE/tests/e2e/MinimalSystemTest.sh" "$package"
status=$?
[ "$status" -eq 0 ] || [ "$status" -eq 77 ] || exit "$status"
