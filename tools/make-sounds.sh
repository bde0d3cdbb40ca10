#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the program's sounds in assets/sounds: the eight spoken call words (espeak-ng) and the two
# About chimes (sox). The results are committed, so building needs neither tool.
# Every file is 16-bit PCM WAV, trimmed, with 0.25 s of trailing silence: the audio backend cuts
# the last tenth of a second or so.
set -eu
out=$(cd "$(dirname "$0")/../assets/sounds" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

voice=en-us
speed=150 # words per minute: a caller's natural pace
pitch=45

speak() { # file words...
    name=$1
    shift
    espeak-ng -v "$voice" -s "$speed" -p "$pitch" -w "$tmp/raw.wav" "$*"
    sox "$tmp/raw.wav" -b 16 "$out/$name" norm -1 reverse silence 1 0.005 1% reverse pad 0 0.25
}

speak lefthand.wav left hand
speak righthand.wav right hand
speak leftfoot.wav left foot
speak rightfoot.wav right foot
speak green.wav green
speak yellow.wav yellow
speak blue.wav blue
speak red.wav red

# A chime: plucked notes, each entering a little after the one before.
chime() { # file step-seconds notes...
    name=$1
    step=$2
    shift 2
    inputs=""
    delay=0
    i=0
    for note in "$@"; do
        sox -n -r 22050 -b 16 -c 1 "$tmp/note$i.wav" synth 1.2 pluck "$note" \
            fade l 0.005 1.2 0.9 vol 0.5 pad "$delay" 0
        inputs="$inputs $tmp/note$i.wav"
        delay=$(awk "BEGIN { print $delay + $step }")
        i=$((i + 1))
    done
    # shellcheck disable=SC2086 # one word per note file
    sox -m $inputs -b 16 "$tmp/mix.wav"
    sox "$tmp/mix.wav" -b 16 "$out/$name" norm -1 reverse silence 1 0.005 0.5% reverse pad 0 0.25
}

chime About.wav 0.12 C5 E5 G5 C6
chime hid.wav 0.07 G5 C6 E6 G6 C7
