#!/usr/bin/env bash
# Share of test code in the project's code: non-blank, non-comment lines of
# tests/ against those of tests/, src/, tools/, bench/ and fuzz/ together.
# C++ sources and headers, shell scripts and CMake files count; data,
# prose and suppression lists do not.
# Usage: scripts/test_share.sh [REPO]   (prints one line a folder, then the share)
set -euo pipefail
repo=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$repo"

count_lines() {
    find "$1" -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.sh' \
        -o -name 'CMakeLists.txt' -o -name '*.cmake' \) -print0 |
    xargs -0 -r awk '
        FNR == 1 { block = 0; hash = (FILENAME !~ /\.(cpp|h)$/) }
        {
            line = $0
            sub(/^[ \t]+/, "", line); sub(/[ \t\r]+$/, "", line)
            if (block) {
                if (index(line, "*/") == 0) next
                block = 0; line = substr(line, index(line, "*/") + 2)
                sub(/^[ \t]+/, "", line)
            }
            if (line == "") next
            if (hash) { if (line ~ /^#/) next; n++; next }
            if (line ~ /^\/\//) next
            if (line ~ /^\/\*/) {
                if (index(substr(line, 3), "*/") == 0) { block = 1; next }
                rest = substr(line, index(substr(line, 3), "*/") + 4)
                sub(/^[ \t]+/, "", rest)
                if (rest == "") next
            }
            n++
        }
        END { print n + 0 }' |
    awk '{ s += $1 } END { print s + 0 }'
}

total=0
for dir in tests src tools bench fuzz; do
    n=$(count_lines "$dir")
    printf '%-6s %6d\n' "$dir" "$n"
    total=$((total + n))
    [ "$dir" = tests ] && tests=$n
done
printf 'share  %d / %d = %d.%d %%\n' "$tests" "$total" \
    $((tests * 100 / total)) $((tests * 1000 / total % 10))
