#!/bin/sh
# The cache of Windows libraries: a build of a key that failed keeps its work
# folder for the next run of the same key, while what builds of other keys
# (and the older random folders) left behind is cleared.
set -u
cache=$(mktemp -d)
trap 'rm -rf "$cache"' EXIT
export ABACOR_CACHE=$cache
lib=$(cd "$(dirname "$0")/../../scripts" && pwd)/cache-lib.sh
# A build of key1 that stops after configuring, as a failed one does.
(. "$lib" && cache_lock qt key1 && work=$(cache_workdir qt key1) && touch "$work/configured") || exit 1
mkdir "$cache/qt-key0.building" "$cache/qt.building.Ab12" "$cache/sqlite-key0.building"
(. "$lib" && cache_lock qt key1 && [ "$(cache_workdir qt key1)" = "$cache/qt-key1.building" ]) || exit 1
status=0
[ -f "$cache/qt-key1.building/configured" ] || { echo "FAIL: the failed build's work is gone"; status=1; }
for gone in qt-key0.building qt.building.Ab12; do
    [ ! -e "$cache/$gone" ] || { echo "FAIL: $gone was left"; status=1; }
done
[ -d "$cache/sqlite-key0.building" ] || { echo "FAIL: another library's work was cleared"; status=1; }
exit $status
