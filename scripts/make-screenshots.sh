#!/usr/bin/env bash
# Remakes the README screenshots (docs/screenshots/*.png, 1280x800) with the program in build/,
# from documents generated here: a document with search hits, an annotation card, OCR of a scanned
# page, and the dark theme. Runs the program under its own Xvfb display with its own settings and
# runtime folders; needs xvfb, xdotool, imagemagick, texlive-latex-base, poppler-utils and optipng.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
out="$root/docs/screenshots"
display=${DOVRIX_SCREENSHOT_DISPLAY:-:97}

for tool in Xvfb xdotool import convert pdflatex pdftoppm optipng; do
    command -v "$tool" >/dev/null || { echo "make-screenshots.sh: $tool is missing" >&2; exit 1; }
done
[[ -x build/dovrix ]] || scripts/setup.sh

work=$(mktemp -d)
xvfb_pid=""
app_pid=""
stop_app() {
    if [[ -n "$app_pid" ]]; then
        kill "$app_pid" 2>/dev/null || true
        wait "$app_pid" 2>/dev/null || true
        app_pid=""
    fi
}
finish() {
    stop_app
    [[ -z "$xvfb_pid" ]] || kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap finish EXIT

# --- documents -------------------------------------------------------------------------------
cat >"$work/guide.tex" <<'TEX'
\documentclass[11pt]{article}
\usepackage[margin=2.2cm]{geometry}
\title{Rendering Pipeline Notes}
\author{Systems Group}
\date{Revision 7}
\begin{document}
\maketitle
\section{Overview}
The viewer renders every visible page on a single background worker. Rendered images are kept in
a render cache keyed by page, pixel size, rotation and device pixel ratio, so that scrolling back
to a page shows it at once. The cache has a fixed budget; the least recently used images leave
it first.
\section{The render cache}
A request for a page that is already in the cache returns the image immediately. Otherwise the
cache posts a render job and announces the image when it arrives. Requests for pages that have
scrolled out of view are dropped before they start, which keeps the worker free for the pages
the reader actually sees.
\subsection{Budget}
The page view uses a cache of 192 MiB and the thumbnail panel one of 64 MiB. When the budget is
exceeded, whole images are evicted until the cache fits again.
\section{Text and search}
Character geometry is measured on the worker as well. Search folds case, width and accents, so
that a query finds every spelling of a word; hits are listed in page order and painted over the
page.
\section{Recognition}
Pages without a text layer can be recognised offline. The recognised lines become searchable and
copyable like the text of any other page.
\end{document}
TEX
cat >"$work/letter.tex" <<'TEX'
\documentclass[12pt]{article}
\usepackage[margin=2.5cm]{geometry}
\pagestyle{empty}
\linespread{1.6}
\begin{document}
\Large
\noindent\textbf{\LARGE Quarterly Maintenance Report}\\[1em]
The pumps of the north station were inspected on 12 March. All seals were replaced and the
pressure test passed at 6.5 bar.\\[1em]
The next inspection is planned for June. Spare filters have been ordered from the usual
supplier and will arrive before the end of the month.\\[1em]
Please keep this report with the station records.
\end{document}
TEX
(cd "$work" && pdflatex -interaction=batchmode guide.tex >/dev/null \
    && pdflatex -interaction=batchmode guide.tex >/dev/null \
    && pdflatex -interaction=batchmode letter.tex >/dev/null)
# A "scan": the letter as a slightly tilted, noisy grey image, wrapped into an image-only PDF.
pdftoppm -r 150 -png -singlefile "$work/letter.pdf" "$work/letter"
convert "$work/letter.png" -colorspace Gray -background white -rotate 0.3 \
    -attenuate 0.3 +noise Gaussian -blur 0x0.4 -gravity center -extent 1240x1754 "$work/scan.png"
cat >"$work/scan.tex" <<'TEX'
\documentclass{article}
\usepackage{graphicx}
\usepackage[paperwidth=210mm,paperheight=297mm,margin=4mm]{geometry}
\pagestyle{empty}
\begin{document}
\centering\includegraphics[height=0.97\textheight,keepaspectratio]{scan.png}
\end{document}
TEX
(cd "$work" && pdflatex -interaction=batchmode scan.tex >/dev/null)

# --- the display and the program ----------------------------------------------------------------
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=$display
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.2; done

# Starts the program on a fresh settings folder (prefs given as INI lines) and waits for its window.
start_app() {
    local prefs=$1
    shift
    rm -rf "$work/config" "$work/run"
    mkdir -p "$work/config/Dovrix" "$work/run"
    chmod 700 "$work/run"
    printf '[prefs]\nlanguage=en\n%s\n' "$prefs" >"$work/config/Dovrix/Dovrix.ini"
    XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run" QT_QPA_PLATFORM=xcb \
        "$root/build/dovrix" "$@" >/dev/null 2>&1 &
    app_pid=$!
    window=$(xdotool search --sync --onlyvisible --pid "$app_pid" --name 'Dovrix' | head -n 1)
    xdotool windowmove "$window" 0 0 windowsize "$window" 1280 800
    # No window manager runs: give the window the keyboard focus directly.
    xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
    sleep 3
}

shoot() {
    sleep "${2:-1}"
    import -window root "$work/$1.png"
    mkdir -p "$out"
    cp "$work/$1.png" "$out/$1.png"
    optipng -quiet -o2 -strip all "$out/$1.png"
    echo "$out/$1.png"
}

# 1. A document with search hits.
start_app "theme=light" "$work/guide.pdf"
xdotool key --window "$window" ctrl+f
xdotool type --delay 40 "cache"
shoot search 3
stop_app

# 2. An annotation card: a highlight drawn over the first paragraph in annotation mode, with a note.
start_app "theme=light" "$work/guide.pdf"
xdotool key --window "$window" a
xdotool key --window "$window" h
xdotool mousemove 352 358 mousedown 1 mousemove 600 370 mousemove 839 385 mouseup 1
sleep 1
xdotool key Return # the one-time note on where annotations are kept
sleep 1
xdotool mousemove 733 490 click 1
xdotool type --delay 30 "Check the budget against the measured peak."
shoot annotation 2
stop_app

# 3. OCR of a scanned page, then a search in the recognised text.
start_app "theme=light" --ocr-page 1 "$work/scan.pdf"
sleep "${DOVRIX_SCREENSHOT_OCR_WAIT:-40}"
xdotool key --window "$window" ctrl+f
xdotool type --delay 40 "inspection"
sleep 2
xdotool mousemove 169 66 click 1 # the search tab of the side area
shoot ocr 3
stop_app

# 4. The dark theme.
start_app "theme=dark" "$work/guide.pdf"
shoot dark 2
stop_app
