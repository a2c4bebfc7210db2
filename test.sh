#!/usr/bin/env bash
# Builds Dovrix (installing what is missing) and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")"
# In CI a compiler warning fails the build.
if [[ "${CI:-}" == true ]]; then
    export DOVRIX_WARNINGS_AS_ERRORS=ON
fi
scripts/setup.sh
scripts/check-format.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure --parallel 2 --timeout 900
