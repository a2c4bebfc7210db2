#!/usr/bin/env bash
# Runs every test function of the given test executables (default: all in build/tests) once in
# reverse order and once each on its own, so that a test depending on another's order or
# leftovers fails. Slow: not part of ./test.sh.
set -uo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen DOVRIX_BUILD_DIR="$PWD/build"
failed=()
executables=("$@")
((${#executables[@]})) || executables=(build/tests/tst_*)
for test in "${executables[@]}"; do
    [[ -x "$test" ]] || continue
    mapfile -t functions < <("$test" -functions | sed -n 's/()$//p')
    ((${#functions[@]})) || continue
    reversed=()
    for ((i = ${#functions[@]} - 1; i >= 0; i--)); do reversed+=("${functions[i]}"); done
    "$test" -silent "${reversed[@]}" >/dev/null 2>&1 || failed+=("$test (reversed)")
    for function in "${functions[@]}"; do
        "$test" -silent "$function" >/dev/null 2>&1 || failed+=("$test $function")
    done
done
if ((${#failed[@]})); then
    printf 'failed: %s\n' "${failed[@]}"
    exit 1
fi
echo "every function passed in reverse order and alone"
