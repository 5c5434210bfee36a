#!/usr/bin/env bash
# Checks the layout of the C++ sources against .clang-format (clang-format 14, as Debian 12 has it);
# with --apply, rewrites them instead. What is checked is set by FORMAT_SCOPE:
#   changed  the lines that differ from the commit that brought .clang-format in, committed or not
#   all      every tracked .cpp and .h file, whole
# The whole tree is laid out so, and `all` is the default.
#   scripts/format.sh                      check (the test command runs this)
#   scripts/format.sh --apply              rewrite what the check would refuse
#   FORMAT_SCOPE=all scripts/format.sh --apply   format the whole tree
set -euo pipefail
cd "$(dirname "$0")/.."
scope="${FORMAT_SCOPE:-all}"
apply=0
[ "${1:-}" = "--apply" ] && apply=1

if [ "$scope" = all ]; then
    mapfile -t files < <(git ls-files '*.cpp' '*.h')
    if [ "$apply" -eq 1 ]; then
        clang-format -i --style=file "${files[@]}"
        exit 0
    fi
    if ! clang-format --dry-run --Werror --style=file "${files[@]}"; then
        echo "format: the files above differ from .clang-format; scripts/format.sh --apply mends them" >&2
        exit 1
    fi
    echo "format: ${#files[@]} files laid out as .clang-format says"
    exit 0
fi

# The commit that added .clang-format; before it is committed (or in a clone without it), the last
# commit stands in.
base="$(git log --diff-filter=A --format=%H -1 -- .clang-format 2>/dev/null || true)"
if [ -z "$base" ]; then
    base="$(git rev-parse -q --verify HEAD~1 || git rev-parse HEAD)"
fi
diff="$(git clang-format --binary clang-format --style file --extensions cpp,h --diff "$base" || true)"
case "$diff" in
    "" | "no modified files to format" | "clang-format did not modify any files")
        echo "format: lines changed since $(git rev-parse --short "$base") are laid out as .clang-format says"
        ;;
    *)
        if [ "$apply" -eq 1 ]; then
            printf '%s\n' "$diff" | git apply
            exit 0
        fi
        printf '%s\n' "$diff"
        echo "format: the lines above differ from .clang-format; scripts/format.sh --apply mends them" >&2
        exit 1
        ;;
esac
