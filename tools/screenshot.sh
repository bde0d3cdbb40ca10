#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the README's screenshots of the real program under Xvfb (framed by openbox where it is
# installed): the main window while the first call is shown, then the About box and the hidden
# credits window above it. Given a language, only the main window in that language
# (main-window-<code>.png).
#   tools/screenshot.sh [program] [output folder] [language]
# Needs xvfb, xdotool, imagemagick; openbox for a title bar.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-$top/build/app/limbora}
output=${2:-$top/docs}
language=${3:-}

tmp=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; wait 2>/dev/null; rm -rf "$tmp"' EXIT

mkfifo "$tmp/fd"
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$tmp/fd" 2>/dev/null &
pids+=($!)
read -r number <"$tmp/fd"
export DISPLAY=":$number"
if command -v openbox >/dev/null; then
    openbox >/dev/null 2>&1 &
    pids+=($!)
    sleep 1
fi

export XDG_CONFIG_HOME="$tmp/config" PULSE_SERVER=unix:/nonexistent
export QT_LOGGING_RULES="limbora.game.debug=true"
"$program" ${language:+--language "$language"} >"$tmp/trace" 2>&1 &
pids+=($!)
until window=$(xdotool search --onlyvisible --name '^Limbora$' 2>/dev/null | head -n 1); do
    sleep 0.1
done
xdotool windowfocus --sync "$window"
xdotool key --window "$window" Return # START, the default button, in any language
# The whole call, in its colour: neither the limb's black nor the countdown's blue.
until grep -E 'display "[^"]+" #[0-9a-f]{6}$' "$tmp/trace" | grep -q -v -E '#(000000|3a6ea5)$'; do
    sleep 0.1
done
sleep 0.2
if [[ -n "$language" ]]; then
    import -frame -window "$window" "$output/main-window-$language.png"
    ls "$output/main-window-$language.png"
    exit 0
fi
import -frame -window "$window" "$output/main-window.png" # with the window manager's frame

shown() { # title
    local found
    until found=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1); do
        sleep 0.1
    done
    sleep 0.3
    echo "$found"
}
xdotool key --window "$window" alt+h
sleep 0.3
xdotool key a
about=$(shown "About Limbora")
import -frame -window "$about" "$output/about.png"
# The title's letter: the r between "Limbo" and "a".
xdotool mousemove --window "$about" 90 36 click 1
hidden=$(shown "Hidden Window!")
import -frame -window "$hidden" "$output/hidden-window.png"
ls "$output"/*.png
