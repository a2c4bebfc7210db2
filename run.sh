#!/usr/bin/env bash
# Builds Dovrix (installing what is missing) and starts it with the given PDF files.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
exec build/dovrix "$@"
