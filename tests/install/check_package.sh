#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package with scripts/package.sh (its test suite runs during the build and
# lintian must report no error), checks that scripts/setup.sh installs every build
# dependency, installs the package and starts the installed game as a player.
# Run as root on a machine without the package, it is installed with apt, as a player would,
# and purged at the end; otherwise it is unpacked into a throw-away root.
# Argument: the folder to build in (default build-package/); it is removed at the end.
set -euo pipefail
src="$(cd "$(dirname "$0")/../.." && pwd)"
source "$src/tests/install/installed_game.sh"
out="$(realpath -m "${1:-$src/build-package}")"
cleanup() { rm -rf "$out"; }
trap cleanup EXIT

start=$SECONDS
PACKAGE_DIR="$out" bash "$src/scripts/package.sh"
echo "package built and checked by lintian in $((SECONDS - start)) s"
version="$(dpkg-parsechangelog -l "$src/debian/changelog" -S Version)"
deb="$(ls "$out"/zederoru_"$version"_*.deb)"

# Build-Depends, without versions, profiles and alternatives; debhelper-compat is debhelper.
build_depends="$(sed -n '/^Build-Depends:/,/^[A-Z]/{/^ /p}' "$src/debian/control" |
    sed -E 's/\([^)]*\)|<[^>]*>|\[[^]]*\]|\|.*//g; s/[ ,]//g; s/^debhelper-compat$/debhelper/')"
setup_packages="$(sed -n '/^packages=(/,/)/p' "$src/scripts/setup.sh" | tr -d '()' |
    sed 's/packages=//' | tr -s ' ' '\n')"
for package in $build_depends; do
    grep -qx -- "$package" <<<"$setup_packages" ||
        { echo "scripts/setup.sh does not install the build dependency $package"; fail=1; }
done

if [ "$(id -u)" -eq 0 ] && ! dpkg-query -W -f='${Status}' zederoru 2>/dev/null | grep -q installed; then
    trap 'apt-get purge -y -qq zederoru >/dev/null; cleanup' EXIT
    DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=600 install -y -qq "$deb" >/dev/null
    root=/
    echo "installed with apt: $(dpkg-query -W zederoru)"
else
    root="$out/root"
    dpkg-deb -x "$deb" "$root"
    echo "unpacked into $root"
fi
packaged_files=()
while IFS= read -r file; do
    [ -f "$root/$file" ] && packaged_files+=("$file")
done < <(dpkg-deb --fsys-tarfile "$deb" | tar -t)
digest() { (cd "$root" && md5sum "${packaged_files[@]}"); }

expect_files "$root/usr" games
validate_metadata "$root/usr" "$version"
before="$(digest)"
check_player_start "$root/usr/games/zederoru" "$version"
[ "$before" = "$(digest)" ] || { echo "the game changed its installed files"; fail=1; }
echo "installed game checked in $((SECONDS - start)) s in all"
exit $fail
