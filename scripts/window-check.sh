#!/usr/bin/env bash
# Drives the real program in a real X server (Xvfb) the way a user does: opens a document, puts the
# keyboard focus on each panel and control of the window in turn, presses Escape each time and
# checks that the program is still running. With --screenshots DIR it also takes 1280 x 800
# screenshots of the window in English, Chinese and Arabic (look at them).
#   scripts/window-check.sh [--build DIR] [--screenshots DIR] [FILE.pdf]
# Needs Xvfb, xdotool and ImageMagick's import and compare (scripts/setup.sh installs them).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"
shots=""
pdf=""
while (($#)); do
    case "$1" in
    --build) build=$2; shift 2 ;;
    --screenshots) shots=$2; shift 2 ;;
    *) pdf=$1; shift ;;
    esac
done
program="$build/dovrix"
[[ -x "$program" ]] || { echo "no program at $program" >&2; exit 2; }
for tool in Xvfb xdotool import compare; do
    command -v "$tool" >/dev/null || { echo "$tool is missing" >&2; exit 2; }
done

work=$(mktemp -d)
xvfb_pid=""
app_pid=""
cleanup() {
    [[ -n "$app_pid" ]] && kill "$app_pid" 2>/dev/null || true
    [[ -n "$xvfb_pid" ]] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# A document with an outline, a few pages and words to search for, unless one is given.
if [[ -z "$pdf" ]]; then
    cat >"$work/check.tex" <<'TEX'
\documentclass{article}
\usepackage{hyperref}
\begin{document}
\tableofcontents
\section{First part} Some text to read, select and search. \newpage
\section{Second part} More text to read on the second page. \newpage
\section{Third part} The last page of the check document.
\end{document}
TEX
    (cd "$work" && pdflatex -interaction=batchmode check.tex >/dev/null \
        && pdflatex -interaction=batchmode check.tex >/dev/null) \
        || { echo "pdflatex failed" >&2; exit 2; }
    pdf="$work/check.pdf"
fi

# Our own X server on a free display number.
exec 3<> <(:)
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
read -r -t 20 display <&3 || { echo "Xvfb did not start" >&2; exit 2; }
export DISPLAY=":$display"
export XDG_CONFIG_HOME="$work/config"
# A runtime folder of its own: a Dovrix already running for this user must not take the files.
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb

# Waits until a condition command succeeds (at most about 20 s).
wait_for() {
    for _ in $(seq 1 200); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

alive() {
    kill -0 "$app_pid" 2>/dev/null
}

start_program() { # language code
    mkdir -p "$XDG_CONFIG_HOME/Dovrix"
    printf '[prefs]\nlanguage=%s\n' "$1" >"$XDG_CONFIG_HOME/Dovrix/Dovrix.ini"
    "$program" "$pdf" >"$work/program.log" 2>&1 &
    app_pid=$!
    wait_for xdotool search --onlyvisible --pid "$app_pid" >/dev/null \
        || { echo "no window appeared" >&2; cat "$work/program.log" >&2; exit 1; }
    window=$(xdotool search --onlyvisible --pid "$app_pid" | head -n 1)
    xdotool windowmove --sync "$window" 0 0 windowsize --sync "$window" 1280 800
    xdotool mousemove --window "$window" 640 400
    xdotool windowfocus --sync "$window" 2>/dev/null || true
}

stop_program() {
    kill "$app_pid" 2>/dev/null || true
    wait "$app_pid" 2>/dev/null || true
    app_pid=""
}

# Waits until two screenshots in a row are the same (the pages are drawn), then keeps the last.
settled_shot() { # file
    import -window root "$work/a.png"
    for _ in $(seq 1 40); do
        sleep 0.25
        import -window root "$work/b.png"
        if [[ $(compare -metric AE "$work/a.png" "$work/b.png" null: 2>&1 || true) == 0 ]]; then
            cp "$work/b.png" "$1"
            return 0
        fi
        mv "$work/b.png" "$work/a.png"
    done
    cp "$work/a.png" "$1"
}

press() {
    xdotool key --clearmodifiers --delay 10 "$@"
    alive || { echo "the program died after: $*" >&2; tail -n 20 "$work/program.log" >&2; exit 1; }
}

# Escape after moving the focus k times with Tab, for every k: every focusable control of the
# window gets the focus once before an Escape.
escape_round() {
    local tabs=()
    for _ in $(seq 1 20); do
        tabs+=(Tab)
        press "${tabs[@]}" Escape
    done
}

start_program en
settled_shot "$work/ready.png"
press ctrl+t # thumbnails
xdotool mousemove 120 300 click 1
press Escape
escape_round
press ctrl+b # outline
xdotool mousemove 120 160 click 1
press Escape
escape_round
press ctrl+f
xdotool type --delay 15 "part"
press Return # shows the search panel with its results
xdotool mousemove 120 160 click 1
press Escape
escape_round
press ctrl+g
press Escape
alive || { echo "the program died" >&2; exit 1; }
echo "Escape from every panel: the program is still running"

# The reading keys: search steps, document ends, view history, select all and copy, bookmarks,
# recognising a page.
press ctrl+f
xdotool type --delay 15 "text"
press Return shift+Return Return
press Escape ctrl+End ctrl+Home alt+Left alt+Right
press ctrl+a ctrl+c ctrl+a ctrl+c Escape
press ctrl+d ctrl+End ctrl+d Escape
press F3 shift+F3 Escape
press ctrl+shift+o Escape # recognise the page shown
alive || { echo "the program died" >&2; exit 1; }
echo "Reading keys: the program is still running"
stop_program

if [[ -n "$shots" ]]; then
    mkdir -p "$shots"
    for language in en zh-CN ar; do
        start_program "$language"
        settled_shot "$shots/window-$language.png"
        press u # the underline tool: annotation mode with its tools
        settled_shot "$shots/window-$language-annotating.png"
        stop_program
    done
    echo "screenshots in $shots"
fi
