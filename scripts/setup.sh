#!/usr/bin/env bash
# Installs what Dovrix needs on Debian 12, then configures and builds a Release build in build/.
# Quick when everything is already in place.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
    build-essential cmake ninja-build ccache pkg-config clang-format
    qt6-base-dev qt6-pdf-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools libgl-dev
    qt6-qpa-plugins libssl-dev
    desktop-file-utils appstream file dpkg-dev optipng
    qpdf poppler-utils xvfb xauth fonts-noto-cjk fonts-dejavu-core fonts-lohit-deva fonts-tlwg-garuda-ttf
    nodejs npm python3-onnx python3-pil unicode-data
    libsynctex-dev zlib1g-dev qt6-speech-dev qt6-speech-flite-plugin qt6-declarative-dev
    xdotool imagemagick texlive-latex-base
    libmupdf-dev libmujs2 libgumbo1 libopenjp2-7 libjbig2dec0 libjpeg62-turbo zlib1g libfreetype6
    libharfbuzz0b
    libcups2-dev cups-daemon cups-client cups-core-drivers
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
# npm may come from elsewhere (a node installation outside Debian's packages): accept it.
if command -v npm >/dev/null 2>&1; then
    filtered=()
    for package in "${missing[@]}"; do
        [[ "$package" == nodejs || "$package" == npm ]] || filtered+=("$package")
    done
    missing=("${filtered[@]+"${filtered[@]}"}")
fi
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

build_dir=${DOVRIX_BUILD_DIR:-build}
# DOVRIX_WARNINGS_AS_ERRORS=ON|OFF, when set, switches the build option of that name (./test.sh
# sets it in CI).
configure_options=()
if [[ -n "${DOVRIX_WARNINGS_AS_ERRORS:-}" ]]; then
    configure_options+=(-DDOVRIX_WARNINGS_AS_ERRORS="$DOVRIX_WARNINGS_AS_ERRORS")
fi
if [[ ! -f "$build_dir/build.ninja" ]]; then
    cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release "${configure_options[@]}"
elif ((${#configure_options[@]})); then
    cmake "$build_dir" "${configure_options[@]}" >/dev/null
fi
# Sources are found by glob. When files were added or removed since the last build, Qt's moc step
# does not notice new headers in an existing tree by itself: make it scan again.
# Every folder with a CMakeLists.txt of its own holds sources, whatever folders come and go.
source_dirs=$(find . -mindepth 2 -maxdepth 2 -name CMakeLists.txt -printf '%h\n' | grep -v "^\./$build_dir\$")
source_list=$(find $source_dirs \( -name '*.h' -o -name '*.cpp' \) | LC_ALL=C sort | sha256sum | cut -d' ' -f1)
if [[ "$(cat "$build_dir/.source-list" 2>/dev/null)" != "$source_list" ]]; then
    find "$build_dir" -path '*_autogen/timestamp' -delete
fi
cmake --build "$build_dir" --parallel "$(nproc)"
echo "$source_list" >"$build_dir/.source-list"

# Runtime files that live next to the program (inference library, OCR models).
if [[ -x scripts/fetch-ocr.sh ]]; then
    scripts/fetch-ocr.sh "$build_dir"
fi
