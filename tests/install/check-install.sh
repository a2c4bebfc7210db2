#!/usr/bin/env bash
# Installs the build folder $1 into a temporary prefix, validates the installed desktop entry and
# AppStream file, and runs the installed program from a folder that is neither the build folder nor
# the prefix: its version, and its self-test (probe, inference library and OCR models found
# relative to the installed program).
set -euo pipefail

build_dir=${1:?usage: check-install.sh BUILD_DIR}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"

cmake --install "$build_dir" --prefix "$prefix" >/dev/null

desktop-file-validate "$prefix/share/applications/dovrix.desktop"
appstreamcli validate --no-net "$prefix"/share/metainfo/*.metainfo.xml >/dev/null
for size in 16x16 32x32 48x48 256x256 scalable; do
    ls "$prefix/share/icons/hicolor/$size/apps/dovrix".* >/dev/null
done
gzip -t "$prefix/share/man/man1/dovrix.1.gz"

mkdir "$work/elsewhere"
cd "$work/elsewhere"
version=$("$prefix/bin/dovrix" --version)
if [[ "$version" != "Dovrix 1.5.1" ]]; then
    echo "unexpected version output: $version" >&2
    exit 1
fi
export QT_QPA_PLATFORM=offscreen
"$prefix/bin/dovrix" --self-test
