# SPDX-License-Identifier: GPL-3.0-or-later
# Checks shared by the install check and the package check, sourced by both. Each prints
# what is wrong and sets fail=1; none stops the caller.
fail=0

# expect_files PREFIX BINDIR: every file where a Linux desktop expects it.
expect_files() {
    local prefix="$1" bindir="$2" file
    for file in "$bindir/zederoru" share/zederoru/PELORIN.pel share/zederoru/Zederoru.htm \
        share/zederoru/Zederoru.{de,es,fr}.htm \
        share/applications/org.zederoru.zederoru.desktop \
        share/metainfo/org.zederoru.zederoru.metainfo.xml \
        share/mime/packages/org.zederoru.zederoru.xml \
        share/icons/hicolor/scalable/apps/org.zederoru.zederoru.svg \
        share/icons/hicolor/{16x16,24x24,32x32,48x48,64x64,128x128,256x256}/apps/org.zederoru.zederoru.png; do
        [ -e "$prefix/$file" ] || { echo "missing: $file"; fail=1; }
    done
    compgen -G "$prefix/share/man/man6/zederoru.6*" >/dev/null || { echo "missing: manual page"; fail=1; }
    # The back-ends loaded on first use, in the game's own folder of the library folder.
    for file in zederoru_sound.so zederoru_print.so; do
        compgen -G "$prefix/lib*/zederoru/$file" >/dev/null ||
            compgen -G "$prefix/lib*/*/zederoru/$file" >/dev/null ||
            { echo "missing: module $file"; fail=1; }
    done
    [ -e "$prefix/share/zederoru/icons" ] && { echo "icons belong in the resource, not in share"; fail=1; }
    return 0
}

# validate_metadata PREFIX VERSION: the launcher and the AppStream metadata validate, and the
# metadata has release notes for this version.
validate_metadata() {
    local desktop="$1/share/applications/org.zederoru.zederoru.desktop"
    local metainfo="$1/share/metainfo/org.zederoru.zederoru.metainfo.xml"
    desktop-file-validate "$desktop" || fail=1
    appstreamcli validate --no-net --pedantic --strict "$metainfo" >/dev/null ||
        { appstreamcli validate --no-net --pedantic "$metainfo"; fail=1; }
    grep -q "<release version=\"$2\"" "$metainfo" || { echo "no release $2 in the metadata"; fail=1; }
}

# check_player_start PROGRAM VERSION: the installed game, started as a player in a fresh
# home (as nobody when the caller is root), answers on the command line, passes its own
# collection through --check, keeps running, and fills the player's data folder on its
# first start.
check_player_start() {
    local program="$1" version="$2" home game status=0 file
    home="$(mktemp -d)"
    local player=(env -i HOME="$home" XDG_RUNTIME_DIR="$home" QT_QPA_PLATFORM=offscreen)
    if [ "$(id -u)" -eq 0 ]; then
        chown nobody "$home"
        player+=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)
    fi
    "${player[@]}" "$program" --version | grep -qx "Zederoru $version" ||
        { echo "--version does not answer"; fail=1; }
    "${player[@]}" "$program" --check "$(dirname "$program")/../share/zederoru/PELORIN.pel" \
        >/dev/null || { echo "the installed collection does not pass --check"; fail=1; }
    # A plain command, not a function, in the background: env and setpriv hand their process
    # over to the game, so $! is the game itself and kill ends it.
    "${player[@]}" "$program" >/dev/null 2>&1 &
    game=$!
    sleep 3
    kill "$game" 2>/dev/null || status=$?
    wait "$game" 2>/dev/null || true
    [ $status -eq 0 ] || { echo "the installed game did not keep running"; fail=1; }
    for file in PELORIN.pel Zederoru.cfg Zederoru.htm; do
        [ -s "$home/.local/share/Zederoru/$file" ] || { echo "player's folder lacks $file"; fail=1; }
    done
    rm -rf "$home"
}

# files_digest FOLDER: a checksum line per file, to tell whether anything was changed.
files_digest() {
    (cd "$1" && find . -type f -exec md5sum {} + | sort)
}
