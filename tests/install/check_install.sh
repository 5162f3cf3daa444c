#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks that every file is where a Linux
# desktop expects it, and that the launcher and metadata validate.
set -euo pipefail
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

fail=0
expect() {
    if [ ! -e "$prefix/$1" ]; then
        echo "missing: $1"
        fail=1
    fi
}
expect bin/zederoru
expect share/zederoru/PELORIN.pel
expect share/applications/org.zederoru.Zederoru.desktop
expect share/metainfo/org.zederoru.Zederoru.metainfo.xml
expect share/mime/packages/org.zederoru.Zederoru.xml
expect share/icons/hicolor/scalable/apps/org.zederoru.Zederoru.svg
for size in 16 24 32 48 64 128 256; do
    expect "share/icons/hicolor/${size}x${size}/apps/org.zederoru.Zederoru.png"
done
[ -e "$prefix/share/zederoru/icons" ] && { echo "icons belong in the resource, not in share"; fail=1; }

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/org.zederoru.Zederoru.desktop" || fail=1
else
    echo "desktop-file-validate not installed: launcher not validated"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net --pedantic \
        "$prefix/share/metainfo/org.zederoru.Zederoru.metainfo.xml" || fail=1
else
    echo "appstreamcli not installed: metadata not validated"
fi

# The installed game started as a normal player, the prefix read-only: it answers on the
# command line, checks its own collection, and on its first start fills the player's data
# folder without writing a byte into the prefix.
player_home="$(mktemp -d)"
trap 'rm -rf "$prefix" "$player_home"' EXIT
as_player=()
if [ "$(id -u)" -eq 0 ]; then
    chown nobody "$player_home"
    as_player=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)
fi
chmod 755 "$prefix"
chmod -R a-w "$prefix"
before="$(cd "$prefix" && find . -type f -exec md5sum {} + | sort)"
game_as_player=(env -i HOME="$player_home" XDG_RUNTIME_DIR="$player_home"
                QT_QPA_PLATFORM=offscreen "${as_player[@]}" "$prefix/bin/zederoru")
"${game_as_player[@]}" --version | grep -qx "Zederoru 1.1" ||
    { echo "--version does not answer"; fail=1; }
"${game_as_player[@]}" --check "$prefix/share/zederoru/PELORIN.pel" >/dev/null ||
    { echo "the installed collection does not pass --check"; fail=1; }
status=0
# A plain command, not a function, in the background: env and setpriv hand their process
# over to the game, so $! is the game itself and kill ends it.
"${game_as_player[@]}" >/dev/null 2>&1 & game=$!
trap 'kill "$game" 2>/dev/null || true; rm -rf "$prefix" "$player_home"' EXIT
sleep 3
kill "$game" 2>/dev/null || status=$?
wait "$game" 2>/dev/null || true
[ $status -eq 0 ] || { echo "the installed game did not keep running"; fail=1; }
data="$player_home/.local/share/Zederoru"
for file in PELORIN.pel Zederoru.cfg Zederoru.htm; do
    [ -s "$data/$file" ] || { echo "player's folder lacks $file"; fail=1; }
done
after="$(cd "$prefix" && find . -type f -exec md5sum {} + | sort)"
[ "$before" = "$after" ] || { echo "the game changed its installed files"; fail=1; }
[ -z "$(find "$prefix" -newer "$player_home" -print -quit)" ] ||
    { echo "the game wrote into the prefix"; fail=1; }
chmod -R u+w "$prefix"
exit $fail
