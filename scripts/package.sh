#!/usr/bin/env bash
# Builds the Debian package of Dovrix: builds build/ (scripts/setup.sh, which also fetches the OCR
# files the package carries), then runs CPack. Prints the path of the .deb; install it with
#   sudo apt install ./dovrix_<version>_<arch>.deb
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
build_dir=${DOVRIX_BUILD_DIR:-build}
for file in libonnxruntime.so.1 models/PP-OCRv6_det_small.onnx models/PP-OCRv6_rec_small.onnx \
    models/PP-OCRv6_rec_small_latin.onnx; do
    if [[ ! -s "$build_dir/$file" ]]; then
        echo "package.sh: $build_dir/$file is missing; the package would have no OCR" >&2
        exit 1
    fi
done

(cd "$build_dir" && cpack -G DEB -C Release >/dev/null)
package=$(ls -t "$build_dir"/dovrix_*.deb | head -n 1)
dpkg-deb --field "$package" Package Version Architecture Depends
echo "$(cd "$(dirname "$package")" && pwd)/$(basename "$package")"
