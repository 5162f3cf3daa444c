#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the library and the tests with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-sanitize/ and runs the whole suite under them. Any report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
export BUILD_DIR=build-sanitize BUILD_TYPE=Debug
bash scripts/build.sh -DZEDERORU_SANITIZE=ON
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
# The desktop check plays on a real X server, where the sanitizers trip over the system's
# X keyboard library before the game starts; it checks windows, not memory.
ctest --test-dir build-sanitize --output-on-failure -j"$(nproc)" -E 'install_layout|desktop_windows'
