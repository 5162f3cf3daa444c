#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The translation files (translations/zederoru_*.ts) and the sources' texts.
#   scripts/translations.sh            refreshes the files from the sources: new texts come in
#                                      unfinished, texts no longer used are dropped
#   scripts/translations.sh --check    fails when a file holds an unfinished text
#   scripts/translations.sh --complete fails when a file lacks a text of the sources or holds
#                                      an unfinished one (the files themselves stay as they are)
#   scripts/translations.sh --add LL   starts the file of a new language (LL: it, pt_BR, ...)
# LUPDATE names the lupdate to use; the build passes Qt's own.
set -euo pipefail
cd "$(dirname "$0")/.."
sources=(app browse collection help panel platform play puzzle)
shopt -s nullglob
files=(translations/zederoru_*.ts)

lupdate() {
    local tool="${LUPDATE:-}"
    if [ -z "$tool" ]; then
        command -v qtpaths6 >/dev/null || bash scripts/setup.sh qt6-base-dev-tools
        tool="$(qtpaths6 --query QT_HOST_BINS)/lupdate"
        [ -x "$tool" ] || bash scripts/setup.sh qt6-l10n-tools
    fi
    "$tool" -silent -locations none -no-obsolete "${sources[@]}" -ts "$@"
}

unfinished() {
    local found=0 f n
    for f in "$@"; do
        n=$(grep -c 'type="unfinished"' "$f" || true)
        if [ "$n" -gt 0 ]; then
            echo "$(basename "$f"): $n text(s) not translated yet (scripts/translations.sh brings new texts in; translate them with Qt Linguist)" >&2
            found=1
        fi
    done
    return $found
}

case "${1:-}" in
"")
    [ ${#files[@]} -gt 0 ] || { echo "no translation files in translations/" >&2; exit 1; }
    lupdate "${files[@]}"
    ;;
--check)
    unfinished "${files[@]}"
    ;;
--complete)
    [ ${#files[@]} -gt 0 ] || exit 0
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    cp "${files[@]}" "$work/"
    lupdate "$work"/*.ts
    unfinished "$work"/*.ts
    ;;
--add)
    [[ "${2:-}" =~ ^[a-z]{2,3}(_[A-Z]{2})?$ ]] || { echo "usage: $0 --add LL" >&2; exit 2; }
    lupdate -target-language "$2" "translations/zederoru_$2.ts"
    ;;
*)
    echo "usage: $0 [--check | --complete | --add LL]" >&2
    exit 2
    ;;
esac
