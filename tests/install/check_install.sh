#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix and checks that every file is where a Linux
# desktop expects it, that the launcher and metadata validate, and that the installed game
# starts as a player without writing into the prefix.
# Arguments: the build folder, the version, the installation's bin folder (relative).
set -euo pipefail
build="$1"
version="$2"
bindir="$3"
source "$(dirname "$0")/installed_game.sh"
prefix="$(mktemp -d)"
trap 'chmod -R u+w "$prefix"; rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

expect_files "$prefix" "$bindir"
validate_metadata "$prefix" "$version"
changelog="$(dirname "$0")/../../debian/changelog"
[ "$(sed -n '1s/^zederoru (\([^)]*\)).*/\1/p' "$changelog")" = "$version" ] ||
    { echo "debian/changelog does not start with version $version"; fail=1; }

# The prefix read-only, as a package installs it: the game writes only the player's folder.
chmod 755 "$prefix"
chmod -R a-w "$prefix"
before="$(files_digest "$prefix")"
check_player_start "$prefix/$bindir/zederoru" "$version"
[ "$before" = "$(files_digest "$prefix")" ] || { echo "the game wrote into the prefix"; fail=1; }
exit $fail
