#!/usr/bin/env bash
# Fails when a C++ source of ours is not formatted with the repository's .clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files -co --exclude-standard -- '*.cpp' '*.h' | grep -v '^build')
[[ ${#files[@]} -eq 0 ]] && exit 0
# A report file of its own: several checkouts may run this check at once.
report=$(mktemp)
trap 'rm -f "$report"' EXIT
if ! clang-format --dry-run --Werror "${files[@]}" 2>"$report"; then
    grep -E '^[^ ].*(warning|error)' "$report" | cut -d: -f1 | sort -u | sed 's/^/unformatted: /'
    echo "Run: clang-format -i <files>"
    exit 1
fi
