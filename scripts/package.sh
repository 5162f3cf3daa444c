#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a copy of the checkout in build-package/ (or $PACKAGE_DIR),
# so that dpkg-buildpackage, which writes beside the source tree, writes nothing outside that
# folder; then checks the package with lintian, which must report no error.
# Left in that folder: zederoru_VERSION_ARCH.deb, its .changes and .buildinfo, build.log and
# lintian.log. DEB_BUILD_OPTIONS=nocheck skips the test suite during the build.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
out="$(realpath -m "${PACKAGE_DIR:-build-package}")"
version="$(dpkg-parsechangelog -S Version)"
tree="$out/zederoru-$version"

# The files of a commit made now: tracked ones as they are, and new ones not ignored.
rm -rf "$out"
mkdir -p "$tree"
git ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' file; do [ -e "$file" ] && printf '%s\0' "$file"; done |
    tar --null -T - -cf - | tar -xf - -C "$tree"

start=$SECONDS
if ! (cd "$tree" && dpkg-buildpackage -us -uc -b -j"$(nproc)") >"$out/build.log" 2>&1; then
    tail -n 60 "$out/build.log"
    echo "dpkg-buildpackage failed: $out/build.log"
    exit 1
fi
echo "package built in $((SECONDS - start)) s: $(cd "$out" && ls zederoru_*.deb)"
rm -rf "$tree"

changes="$(ls "$out"/zederoru_"$version"_*.changes)"
status=0
lintian --display-info --pedantic --fail-on error "$changes" >"$out/lintian.log" 2>&1 || status=$?
cat "$out/lintian.log"
[ $status -eq 0 ] || echo "lintian reports errors"
exit $status
