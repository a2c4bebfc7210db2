#!/usr/bin/env bash
# Builds Dovrix (installing what is missing) and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
scripts/check-format.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure --parallel 2 --timeout 900
