#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source, header, script and build file of the checkout (tracked, or new and not
# ignored) starts with the line "SPDX-License-Identifier: GPL-3.0-or-later" in its own
# comment syntax (after the shebang line of a script). Data files (collections,
# figures, sounds, pictures, help pages) are covered by the licence statement in README.md.
#
#   scripts/spdx.sh          list the files that lack the line; exit 1 when there are any
#   scripts/spdx.sh --fix    add the line to those files (running it twice changes nothing)
#
# Outside a git checkout (an unpacked source tree) there is nothing to list: exit 77.
set -euo pipefail
cd "$(dirname "$0")/.."
readonly Tag="SPDX-License-Identifier: GPL-3.0-or-later"

fix=0
case "${1:-}" in
    "") ;;
    --fix) fix=1 ;;
    *) echo "usage: $0 [--fix]" >&2; exit 2 ;;
esac

# A copy of the tree inside another checkout (as the package build makes) is no checkout.
if [ "$(git rev-parse --show-toplevel 2>/dev/null)" != "$(pwd -P)" ]; then
    echo "not a git checkout: no tracked files to check"
    exit 77
fi

# The comment that carries the line in this file, or nothing for a file that needs none.
comment_of() {
    case "$1" in
        *.cpp | *.h) echo "//" ;;
        *.sh | *.py | *.cmake | */CMakeLists.txt | CMakeLists.txt | debian/rules) echo "#" ;;
        *) [ "$(head -c 2 "$1")" = "#!" ] && echo "#" || true ;;
    esac
}

has_line() { # file comment
    local first=1
    [ "$(head -c 2 "$1")" = "#!" ] && first=2
    [ "$(sed -n "${first}p" "$1")" = "$2 $Tag" ]
}

add_line() { # file comment
    local tmp
    tmp="$(mktemp)"
    if [ "$(head -c 2 "$1")" = "#!" ]; then
        { head -n 1 "$1"; echo "$2 $Tag"; tail -n +2 "$1"; } >"$tmp"
    else
        { echo "$2 $Tag"; cat "$1"; } >"$tmp"
    fi
    cat "$tmp" >"$1" # keeps the file's mode
    rm -f "$tmp"
}

missing=0
while IFS= read -r -d '' file; do
    [ -f "$file" ] || continue
    comment="$(comment_of "$file")"
    [ -n "$comment" ] || continue
    has_line "$file" "$comment" && continue
    if [ $fix -eq 1 ]; then
        add_line "$file" "$comment"
        echo "added: $file"
    else
        echo "no licence line: $file"
        missing=$((missing + 1))
    fi
done < <(git ls-files -z --cached --others --exclude-standard)

if [ $missing -gt 0 ]; then
    echo "$missing files lack '$Tag' (scripts/spdx.sh --fix adds it)"
    exit 1
fi
