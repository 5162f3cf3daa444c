#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that building, testing, running and packaging Zederoru need
# (debian/control's Build-Depends among them), or the packages named as arguments. Does
# nothing when they are all present already.
set -euo pipefail

packages=(g++ cmake ninja-build pkg-config
          qt6-base-dev qt6-multimedia-dev qt6-svg-dev libqt6svg6
          qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
          gstreamer1.0-plugins-good
          desktop-file-utils appstream
          xvfb xauth
          openbox xdotool x11-utils imagemagick poppler-utils
          build-essential debhelper dpkg-dev fakeroot lintian)
[ $# -gt 0 ] && packages=("$@")

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get -o DPkg::Lock::Timeout=600 update -qq
$sudo apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}"
