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
exit $fail
