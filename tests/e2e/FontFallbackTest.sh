#!/bin/sh
# Fonts as a hand install may leave them. $1 is abacor-render.
# Only a Japanese face that is none of the calculator's own: it is taken, and
# the captions are drawn. No Japanese face at all: one line says so.
set -u
render=$1
ipag=/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf
[ -f "$ipag" ] || { echo "SKIPPED: $ipag is missing"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/other" "$work/none"
ln -s "$ipag" "$work/other/ipag.ttf"
status=0
for case in other none; do
    cat > "$work/$case.conf" <<CONF
<?xml version="1.0"?>
<fontconfig><dir>$work/$case</dir><cachedir>$work/cache-$case</cachedir></fontconfig>
CONF
    FONTCONFIG_FILE="$work/$case.conf" QT_QPA_PLATFORM=offscreen "$render" --keys "1 2 3" \
        --out "$work/$case.png" 2>"$work/$case.err" >/dev/null || { echo "$case: render failed"; status=1; }
    said=$(grep -c "Japanese\|日本語" "$work/$case.err")
    if [ "$case" = other ] && [ "$said" -ne 0 ]; then
        echo "a Japanese face is installed, yet: $(cat "$work/$case.err")"; status=1
    fi
    if [ "$case" = none ] && [ "$said" -ne 1 ]; then
        echo "no Japanese face, and no one line about it: $(cat "$work/$case.err")"; status=1
    fi
done
# The other face draws the captions: the picture differs from the one without.
cmp -s "$work/other.png" "$work/none.png" && { echo "the other Japanese face drew nothing"; status=1; }
exit $status
