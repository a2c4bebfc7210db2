#!/usr/bin/env bash
# Refreshes the translation catalogues in i18n/translations/ from the tr()/translate() calls of the
# program's sources: new texts are added unfinished, existing translations are kept, texts that no
# longer occur are dropped. Run it after adding or changing user-visible texts, then translate the
# new entries (the build warns about unfinished ones, the catalogue test fails on them).
#   scripts/update-translations.sh            all nineteen catalogues
#   scripts/update-translations.sh de fr      only these languages
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

lupdate=${LUPDATE:-}
if [[ -z "$lupdate" ]]; then
    for candidate in /usr/lib/qt6/bin/lupdate "$(command -v lupdate6 || true)" \
        "$(command -v lupdate || true)"; do
        if [[ -n "$candidate" && -x "$candidate" ]]; then
            lupdate=$candidate
            break
        fi
    done
fi
[[ -n "$lupdate" ]] || { echo "lupdate not found (set LUPDATE)" >&2; exit 1; }

# Every interface language except zh-CN, whose texts are the source texts.
codes=(en es fr de ja ko ru pt it ar hi tr nl pl vi th id uk zh-TW)
[[ $# -gt 0 ]] && codes=("$@")

sources=(app session core text annotations view ocr synctex speech i18n theme settings)
mkdir -p i18n/translations
for code in "${codes[@]}"; do
    # -I: sources include headers by their path from the repository root ("view/panels/SearchPanel.h");
    # without it lupdate cannot see the classes' namespace and writes bare context names such as
    # "SearchPanel" instead of "dovrix::SearchPanel", which never match at run time.
    "$lupdate" -silent -no-obsolete -locations none -I "$root" \
        -source-language zh_CN -target-language "${code//-/_}" \
        "${sources[@]}" -ts "i18n/translations/Dovrix_${code}.ts"
done
