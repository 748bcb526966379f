#!/bin/sh
# Installs into a scratch DESTDIR as a package would, validates the desktop
# entries and the AppStream data there, and runs the installed abacor-calc and
# Abacor (offscreen), checking that neither touches the build folder. Exit 77
# (skipped) when the validators are not installed.
set -u
BUILD=$(cd "$1" && pwd)
for tool in desktop-file-validate appstreamcli readelf; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIPPED: $tool is not installed (scripts/install-deps installs it)"; exit 77
    fi
done
dest=$(mktemp -d)
app=
trap '[ -n "$app" ] && kill "$app" 2>/dev/null; rm -rf "$dest"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

DESTDIR="$dest/root" cmake --install "$BUILD" --prefix /usr >"$dest/install.log" 2>&1 || { cat "$dest/install.log"; fail "cmake --install"; }
usr="$dest/root/usr"
for file in bin/Abacor bin/AbacorSet bin/abacor-calc bin/abacor-render \
            share/applications/jp.korvel.Abacor.desktop share/applications/jp.korvel.AbacorSet.desktop \
            share/metainfo/jp.korvel.Abacor.metainfo.xml share/icons/hicolor/scalable/apps/abacor.svg \
            share/icons/hicolor/48x48/apps/abacor.png share/icons/hicolor/256x256/apps/abacor.png \
            share/doc/abacor/copyright; do
    [ -e "$usr/$file" ] || fail "not installed: $file"
done
# The print module, where the programs look for it: bin/../<libdir>/abacor.
module=$(cd "$usr" && find lib* -name libabacor-print.so)
case "$module" in lib*/abacor/libabacor-print.so) ;; *) fail "print module not installed: '$module'" ;; esac
desktop-file-validate "$usr"/share/applications/*.desktop || fail "desktop-file-validate"
appstreamcli validate --no-net "$usr"/share/metainfo/*.xml || fail "appstreamcli validate"

for program in Abacor AbacorSet abacor-calc abacor-render; do
    if readelf -d "$usr/bin/$program" | grep -E 'R(UN)?PATH' | grep -q "$BUILD"; then
        fail "$program looks for libraries in the build folder"
    fi
done
mkdir -p "$dest/config"
shown=$(XDG_CONFIG_HOME="$dest/config" "$usr/bin/abacor-calc" 1 + 2 = | tail -n 1 | cut -f2)
[ "$shown" = 3 ] || fail "the installed abacor-calc shows '$shown' for 1 + 2 ="

cd "$dest"
XDG_CONFIG_HOME="$dest/config" QT_QPA_PLATFORM=offscreen "$usr/bin/Abacor" >"$dest/abacor.log" 2>&1 &
app=$!
sleep 2
kill -0 "$app" 2>/dev/null || { cat "$dest/abacor.log"; fail "the installed Abacor did not keep running"; }
if grep -q "$BUILD" "/proc/$app/maps"; then
    fail "the installed Abacor maps files of the build folder: $(grep "$BUILD" "/proc/$app/maps" | head -n 3)"
fi
echo "PASS: installed into a DESTDIR, desktop entries and AppStream data valid, abacor-calc and Abacor run from there"
