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

# At the prefix it was configured for: the menu entries name their programs by it.
prefix=$(sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p' "$BUILD/CMakeCache.txt")
DESTDIR="$dest/root" cmake --install "$BUILD" >"$dest/install.log" 2>&1 || { cat "$dest/install.log"; fail "cmake --install"; }
usr="$dest/root$prefix"
for file in bin/Abacor bin/AbacorSet bin/abacor-calc bin/abacor-render \
            share/applications/jp.korvel.Abacor.desktop share/applications/jp.korvel.Abacor.Settings.desktop \
            share/metainfo/jp.korvel.Abacor.metainfo.xml share/icons/hicolor/scalable/apps/jp.korvel.Abacor.svg \
            share/icons/hicolor/48x48/apps/jp.korvel.Abacor.png share/icons/hicolor/256x256/apps/jp.korvel.Abacor.png \
            share/doc/abacor/copyright; do
    [ -e "$usr/$file" ] || fail "not installed: $file"
done
# The print module, where the programs look for it: bin/../<libdir>/abacor.
module=$(cd "$usr" && find lib* -name libabacor-print.so)
case "$module" in lib*/abacor/libabacor-print.so) ;; *) fail "print module not installed: '$module'" ;; esac
desktop-file-validate "$usr"/share/applications/*.desktop || fail "desktop-file-validate"
appstreamcli validate --no-net "$usr"/share/metainfo/*.xml || fail "appstreamcli validate"
# Menu entries start the installed programs by their full path, and name the icon by the app id.
for entry in "$usr"/share/applications/*.desktop; do
    exec_path=$(sed -n 's/^Exec=//p' "$entry")
    [ -x "$dest/root$exec_path" ] || fail "$(basename "$entry"): Exec=$exec_path is not the installed program"
    grep -q '^Icon=jp.korvel.Abacor$' "$entry" || fail "$(basename "$entry"): icon not named by the app id"
done
# Summaries a software centre shows whole: at most 35 characters, no full stop.
sed -n 's|.*<summary[^>]*>\(.*\)</summary>.*|\1|p' "$usr"/share/metainfo/jp.korvel.Abacor.metainfo.xml | while IFS= read -r summary; do
    [ "$(printf '%s' "$summary" | LC_ALL=C.UTF-8 wc -m)" -le 35 ] || fail "summary longer than 35 characters: $summary"
    case "$summary" in *.|*。) fail "summary ends with a full stop: $summary" ;; esac
done || exit 1
# What a software centre shows: compose drops a partly translated description.
appstreamcli compose --origin abacor --prefix "$prefix" --result-root="$dest/composed" "$dest/root" >"$dest/compose.log" 2>&1 ||
    { cat "$dest/compose.log"; fail "appstreamcli compose"; }
catalog=$(zcat "$dest/composed$prefix"/share/swcatalog/xml/abacor.xml.gz)
echo "$catalog" | grep -q '<description xml:lang="ja">' || fail "compose dropped the Japanese description"
echo "$catalog" | grep -q '<icon type="cached" width="64" height="64">jp.korvel.Abacor.png' || fail "compose found no icon"

for program in Abacor AbacorSet abacor-calc abacor-render; do
    if readelf -d "$usr/bin/$program" | grep -E 'R(UN)?PATH' | grep -q "$BUILD"; then
        fail "$program looks for libraries in the build folder"
    fi
done
mkdir -p "$dest/config"
shown=$(XDG_CONFIG_HOME="$dest/config" "$usr/bin/abacor-calc" 1 + 2 = | tail -n 1 | cut -f2)
[ "$shown" = 3 ] || fail "the installed abacor-calc shows '$shown' for 1 + 2 ="

cd "$dest"
XDG_CONFIG_HOME="$dest/config" XDG_STATE_HOME="$dest/state" QT_QPA_PLATFORM=offscreen "$usr/bin/Abacor" \
    >"$dest/abacor.log" 2>&1 &
app=$!
# Up once its first frame is painted: then it opens its tape.
for _ in $(seq 600); do
    [ -e "$dest/state/Korvel/Abacor/tape.db" ] && break
    kill -0 "$app" 2>/dev/null || break
    sleep 0.1
done
[ -e "$dest/state/Korvel/Abacor/tape.db" ] || { cat "$dest/abacor.log"; fail "the installed Abacor painted no frame"; }
kill -0 "$app" 2>/dev/null || { cat "$dest/abacor.log"; fail "the installed Abacor did not keep running"; }
if grep -q "$BUILD" "/proc/$app/maps"; then
    fail "the installed Abacor maps files of the build folder: $(grep "$BUILD" "/proc/$app/maps" | head -n 3)"
fi
echo "PASS: installed into a DESTDIR, desktop entries and AppStream data valid, abacor-calc and Abacor run from there"
