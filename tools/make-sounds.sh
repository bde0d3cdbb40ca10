#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the program's sounds in assets/sounds: the eight spoken call words in every language, the
# two About chimes, and the game's own sounds (a chime at Start and at Stop, a fanfare for a round's
# winner, the countdown's tick). The results are committed, so building needs none of these tools.
#
#   tools/make-sounds.sh [--chimes] [LANGUAGE...]
#
# With no language it makes every one; the chimes are made only where missing, or with --chimes.
#
# Needs (Debian main): festival festvox-us-slt-hts festvox-itapc16k espeak-ng sox ffmpeg
# python3-numpy.
# Every word is 16-bit PCM mono WAV at 22050 Hz, trimmed, brought to one loudness across all
# languages, with 0.25 s of trailing silence: the audio backend cuts the last tenth of a second.
set -eu
tools=$(cd "$(dirname "$0")" && pwd)
assets=$(cd "$tools/../assets/sounds" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

target=-18 # LUFS (EBU R128 integrated loudness) of every call word
ceiling=-1 # dBFS: peaks above are limited, never clipped

# The words a caller says, in the order of the file names; English keeps its files at the top.
names="lefthand righthand leftfoot rightfoot green yellow blue red"
words() {
    case $1 in
    en) echo "left hand|right hand|left foot|right foot|green|yellow|blue|red" ;;
    de) echo "linke Hand|rechte Hand|linker Fuß|rechter Fuß|grün|gelb|blau|rot" ;;
    fr) echo "main gauche|main droite|pied gauche|pied droit|vert|jaune|bleu|rouge" ;;
    es) echo "mano izquierda|mano derecha|pie izquierdo|pie derecho|verde|amarillo|azul|rojo" ;;
    it) echo "mano sinistra|mano destra|piede sinistro|piede destro|verde|giallo|blu|rosso" ;;
    nl) echo "linkerhand|rechterhand|linkervoet|rechtervoet|groen|geel|blauw|rood" ;;
    *) return 1 ;;
    esac
}

# One voice per language, the most natural that we found (see assets/sounds/README.md).
synthesise() { # language text out.wav
    case $1 in
    en) # Festival's HTS voice, a little slower than its reading pace
        printf '%s\n' "$2" | text2wave -o "$3" -eval '(begin (voice_cmu_us_slt_arctic_hts)
            (set! hts_engine_params (append hts_engine_params (list (list "-r" 0.9)))))' ;;
    it) # Festival's Italian diphone voice, slowed to a caller's pace. Its last step, the LPC
        # filter, wraps at 16 bits where a vowel peaks, so we take the residual and the filter
        # from Festival and run that step ourselves in floating point.
        cat >"$tmp/it.scm" <<EOF
(voice_pc_diphone)
(Parameter.set 'Duration_Stretch 1.15)
(set! coef (utt.relation.first (SynthText "$2") 'TargetCoef))
(wave.save (item.feat coef 'residual) "$tmp/residual.wav" 'riff)
(track.save (item.feat coef 'coefs) "$tmp/coefs.track" 'est_ascii)
EOF
        festival -b "$tmp/it.scm"
        /usr/bin/python3 "$tools/lpc-resynth.py" "$tmp/residual.wav" "$tmp/coefs.track" "$3" ;;
    es) espeak-ng -v es -s 140 -w "$3" "$2" ;;
    *) espeak-ng -v "$1" -s 150 -w "$3" "$2" ;;
    esac
}

# Integrated loudness (LUFS) of a file, as ffmpeg's EBU R128 meter reads it.
lufs() {
    ffmpeg -nostdin -hide_banner -nostats -i "$1" -af ebur128 -f null - 2>&1 |
        awk '/I:.*LUFS/ { value = $2 } END { print value }'
}

# Gain, then a look-ahead limiter that holds the odd peak under the ceiling.
level() { # in.wav gain-dB out.wav
    ffmpeg -nostdin -loglevel error -y -i "$1" -c:a pcm_f32le -af \
        "volume=${2}dB,alimiter=limit=$limit:attack=2:release=50:level=false:latency=true" "$3"
}
limit=$(awk "BEGIN { print 10 ^ ($ceiling / 20) }")

# Trims, takes out rumble, resamples, then sets the loudness; further passes make up for what the
# limiter took. The start is trimmed by level where a diphone voice leaves the noise of a stop's
# closure (Italian, so that a call is heard as it starts) and where espeak-ng starts cleanly; the
# HTS voice's stops begin with a quiet release burst that a level trim cuts, so English words
# start 10 ms before their first sound within 50 dB of their peak (tools/onset.py).
finish() { # raw.wav out.wav language
    sox "$1" -c 1 -e floating-point -b 32 "$tmp/norm.wav" highpass 70 rate -v 22050 norm -3
    if [ "$3" = en ]; then
        start="trim $(/usr/bin/python3 "$tools/onset.py" "$tmp/norm.wav")"
    else
        start="silence 1 0.005 1%"
    fi
    # shellcheck disable=SC2086 # the start's effect and its arguments
    sox "$tmp/norm.wav" "$tmp/trim.wav" $start reverse silence 1 0.005 0.3% reverse fade t 0.005 \
        pad 0 0.25
    loudness "$tmp/trim.wav" "$2"
}

# Brings a sound to the target loudness, as 16-bit PCM.
loudness() { # in.wav out.wav
    gain=0
    pass=0
    while [ $pass -lt 6 ]; do
        level "$1" "$gain" "$tmp/level.wav"
        miss=$(awk "BEGIN { print $target - ($(lufs "$tmp/level.wav")) }")
        awk "BEGIN { exit !($miss < 0.1 && $miss > -0.1) }" && break
        gain=$(awk "BEGIN { print $gain + $miss }")
        pass=$((pass + 1))
    done
    sox -V1 -D "$tmp/level.wav" -e signed-integer -b 16 "$2" # no dither: the same bytes every run
}

language() { # code
    dir=$assets
    [ "$1" = en ] || dir=$assets/$1
    mkdir -p "$dir"
    list=$(words "$1")
    for name in $names; do
        text=${list%%|*}
        list=${list#*|}
        synthesise "$1" "$text" "$tmp/raw.wav"
        finish "$tmp/raw.wav" "$dir/$name.wav" "$1"
        echo "$1/$name.wav: $text, $(lufs "$dir/$name.wav") LUFS"
    done
}

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
    sox "$tmp/mix.wav" -b 16 "$assets/$name" norm -1 reverse silence 1 0.005 0.5% reverse pad 0 0.25
}

# A chime as loud as the words, so that the About box doesn't startle after a game.
level_chime() { # file
    sox "$assets/$1" -e floating-point -b 32 "$tmp/chime.wav"
    loudness "$tmp/chime.wav" "$assets/$1"
    echo "$1: $(lufs "$assets/$1") LUFS"
}

# The countdown's tick: a short knock that dies away, made the same at every run. Alone it is
# shorter than the loudness meter's 0.4 s blocks, so it is levelled as it is heard: three of them,
# a second apart.
tick() {
    sox -n -r 22050 -c 1 -e floating-point -b 32 "$tmp/tick.wav" synth 0.15 sine 1000 \
        fade t 0.003 0.15 0.14 pad 0 0.25
    sox "$tmp/tick.wav" "$tmp/second.wav" pad 0 0.6
    sox "$tmp/second.wav" "$tmp/second.wav" "$tmp/second.wav" "$tmp/three.wav"
    level "$tmp/tick.wav" "$(awk "BEGIN { print $target - ($(lufs "$tmp/three.wav")) }")" \
        "$tmp/level.wav"
    sox -V1 -D "$tmp/level.wav" -e signed-integer -b 16 "$assets/tick.wav"
    sox "$assets/tick.wav" "$tmp/second.wav" pad 0 0.6
    sox "$tmp/second.wav" "$tmp/second.wav" "$tmp/second.wav" "$tmp/three.wav"
    echo "tick.wav: three a second apart, $(lufs "$tmp/three.wav") LUFS"
}

chimes=false
if [ "${1:-}" = --chimes ]; then
    chimes=true
    shift
fi
[ $# -gt 0 ] || set -- en de fr es it nl
for code in "$@"; do
    words "$code" >/dev/null || {
        echo "no words for language '$code'" >&2
        exit 1
    }
    language "$code"
done

# The chimes are plucked noise, different at every run: made once, then kept and levelled (the
# levelling leaves a levelled chime as it is).
if $chimes || [ ! -f "$assets/About.wav" ]; then
    chime About.wav 0.12 C5 E5 G5 C6
fi
if $chimes || [ ! -f "$assets/hid.wav" ]; then
    chime hid.wav 0.07 G5 C6 E6 G6 C7
fi
level_chime About.wav
level_chime hid.wav

# The game's own sounds, played only where the host chose them: rising at Start, falling at Stop.
if $chimes || [ ! -f "$assets/gamestart.wav" ]; then
    chime gamestart.wav 0.09 C5 E5 G5
fi
if $chimes || [ ! -f "$assets/gamestop.wav" ]; then
    chime gamestop.wav 0.09 G5 E5 C5
fi
# A round's winner: a longer climb, heard in place of the Stop chime.
if $chimes || [ ! -f "$assets/gamewin.wav" ]; then
    chime gamewin.wav 0.1 C5 E5 G5 C6 E6 G6
fi
level_chime gamestart.wav
level_chime gamestop.wav
level_chime gamewin.wav
tick
