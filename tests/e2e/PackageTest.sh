#!/bin/sh
# Builds the Debian package (CPack) from the build folder and runs lintian on
# it: no errors allowed; the warnings are printed. Exit 77 (skipped) when
# lintian or dpkg-shlibdeps is not installed.
set -u
BUILD=$(cd "$1" && pwd)
for tool in lintian dpkg-shlibdeps cpack; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIPPED: $tool is not installed (scripts/install-deps installs it)"; exit 77
    fi
done
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cpack --config "$BUILD/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 || { cat "$out/cpack.log"; echo "FAIL: cpack"; exit 1; }
package=$(ls "$out"/*.deb 2>/dev/null | head -n 1)
[ -n "$package" ] || { echo "FAIL: no .deb made"; exit 1; }
dpkg-deb --info "$package" | grep -E '^ (Package|Version|Depends):'
lintian --tag-display-limit 0 "$package" >"$out/lintian.log" 2>&1
cat "$out/lintian.log"
if grep -q '^E:' "$out/lintian.log"; then
    echo "FAIL: lintian reports errors"; exit 1
fi
echo "PASS: $(basename "$package") has no lintian errors"
