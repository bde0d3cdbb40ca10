#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The call words as the program finds them: for every language its eight sounds and its help
page, each sound a WAV the audio backend plays (16-bit PCM mono, 22050 Hz, sizes that agree), with
a trailing silence, no clicks, a start that leads into the word rather than cutting into it, and,
across all languages, the About chimes and the game's own sounds, one loudness (EBU R128),
measured here from the samples (the countdown's tick as it is heard: three, a second apart).

    sounds.py DATA-DIRECTORY LANGUAGE...    (en: the files at the top of the directory)"""
import math
import pathlib
import struct
import sys

import numpy as np

NAMES = ["lefthand", "righthand", "leftfoot", "rightfoot", "green", "yellow", "blue", "red"]
RATE = 22050
TARGET = -18.0  # LUFS
TOLERANCE = 1.0  # LU
# Neighbouring samples this far apart (of full scale) are a click: a word's loudest hiss (espeak-ng's
# fricatives) stays near 0.5; a sample that wrapped at 16 bits jumps by more than 1.
CLICK = 0.6
# A word's first 10 ms, from its first sample within 50 dB of its peak, stay this far below the
# peak: a trim that cut into the word starts at the vowel's full level.
LEAD_IN_DB = 8.0
CHIMES = ["About.wav", "hid.wav", "gamestart.wav", "gamestop.wav", "gamewin.wav", "tick.wav"]


def read_pcm(path):
    """The samples of a WAV that QSoundEffect accepts, or an error naming what is wrong."""
    data = path.read_bytes()
    if len(data) < 12 or data[:4] != b"RIFF" or data[8:12] != b"WAVE":
        raise ValueError("not a RIFF/WAVE file")
    if struct.unpack("<I", data[4:8])[0] != len(data) - 8:
        raise ValueError("RIFF size does not match the file")
    fmt, samples, at = None, None, 12
    while at + 8 <= len(data):
        chunk, size = data[at:at + 4], struct.unpack("<I", data[at + 4:at + 8])[0]
        body = data[at + 8:at + 8 + size]
        if len(body) < size:
            raise ValueError(f"chunk {chunk!r} runs past the end of the file")
        if chunk == b"fmt ":
            fmt = struct.unpack("<HHIIHH", body[:16])
        elif chunk == b"data":
            samples = body
        at += 8 + size + (size & 1)
    if fmt is None or samples is None:
        raise ValueError("no fmt or data chunk")
    tag, channels, rate, _, _, bits = fmt
    if (tag, channels, rate, bits) != (1, 1, RATE, 16):
        raise ValueError(f"format {tag}, {channels} channel(s), {rate} Hz, {bits} bits")
    return np.frombuffer(samples, dtype="<i2").astype(np.float64) / 32768.0


def biquad_response(b, a, size):
    w = np.exp(-1j * np.pi * np.arange(size // 2 + 1) / (size // 2))
    return (b[0] + b[1] * w + b[2] * w * w) / (a[0] + a[1] * w + a[2] * w * w)


def loudness(x, rate):
    """Integrated loudness (ITU-R BS.1770: K-weighting, 400 ms blocks, absolute and relative
    gates), filtering in the frequency domain with room for the filters' tails."""
    size = 1 << int(math.ceil(math.log2(len(x) + rate)))
    # high shelf, +4 dB above about 1.5 kHz, then the high-pass at 38 Hz (RBJ biquads)
    k = math.tan(math.pi * 1500 / rate)
    gain = 10 ** (4.0 / 20)
    q = 1 / math.sqrt(2)
    shelf_b = [gain + math.sqrt(gain) * k / q + k * k, 2 * (k * k - gain),
               gain - math.sqrt(gain) * k / q + k * k]
    shelf_a = [1 + k / q + k * k, 2 * (k * k - 1), 1 - k / q + k * k]
    k = math.tan(math.pi * 38 / rate)
    q = 0.5
    pass_b = [1, -2, 1]
    pass_a = [1 + k / q + k * k, 2 * (k * k - 1), 1 - k / q + k * k]
    spectrum = np.fft.rfft(x, size) * biquad_response(shelf_b, shelf_a, size) \
        * biquad_response(pass_b, pass_a, size)
    y = np.fft.irfft(spectrum, size)
    block, step = int(0.4 * rate), int(0.1 * rate)
    starts = range(0, max(1, len(x) - block + 1), step)
    powers = np.array([np.mean(y[s:s + block] ** 2) for s in starts])
    levels = -0.691 + 10 * np.log10(np.maximum(powers, 1e-20))
    gated = powers[levels > -70]
    relative = -0.691 + 10 * np.log10(np.mean(gated)) - 10
    return -0.691 + 10 * np.log10(np.mean(gated[levels[levels > -70] > relative]))


def clicks(x):
    """Faults a listener hears as clicks: large jumps, and samples wrapped to the other sign."""
    found = []
    jumps = np.abs(np.diff(x))
    if (jumps > CLICK).any():
        found.append(f"{int((jumps > CLICK).sum())} click(s), jumps up to {jumps.max():.2f}")
    wrapped = (np.abs(x[:-1]) > 0.5) & (np.abs(x[1:]) > 0.5) & (x[:-1] * x[1:] < 0)
    if wrapped.any():
        found.append(f"{int(wrapped.sum())} wrapped sample(s)")
    return found


def onset_level(x, rate):
    """The loudest of a word's first 10 ms, in dB relative to its peak."""
    peak = np.abs(x).max()
    first = int(np.argmax(np.abs(x) > peak * 10 ** (-50 / 20)))
    return 20 * math.log10(np.abs(x[first:first + int(0.010 * rate)]).max() / peak)


def main():
    data = pathlib.Path(sys.argv[1])
    languages = sys.argv[2:]
    failures, measured = [], {}
    for language in languages:
        folder = data if language == "en" else data / language
        if not (folder / "limbora.html").is_file():
            failures.append(f"{language}: no help page")
        for name in NAMES:
            path = folder / f"{name}.wav"
            try:
                x = read_pcm(path)
            except (OSError, ValueError) as error:
                failures.append(f"{path}: {error}")
                continue
            tail = x[-int(0.2 * RATE):]
            if len(x) < 0.4 * RATE or np.abs(tail).max() > 0.01:
                failures.append(f"{path}: no 0.2 s of trailing silence after a word")
            if np.abs(x).max() >= 32767 / 32768:
                failures.append(f"{path}: clipped")
            failures += [f"{path}: {fault}" for fault in clicks(x)]
            if onset_level(x, RATE) > -LEAD_IN_DB:
                failures.append(f"{path}: starts inside the word "
                                f"({onset_level(x, RATE):.1f} dB in its first 10 ms)")
            measured[path] = loudness(x, RATE)
            if abs(measured[path] - TARGET) > TOLERANCE:
                failures.append(f"{path}: {measured[path]:.1f} LUFS, not {TARGET} ± {TOLERANCE}")
    if "en" in languages:
        for name in CHIMES:
            path = data / name
            try:
                x = read_pcm(path)
            except (OSError, ValueError) as error:
                failures.append(f"{path}: {error}")
                continue
            failures += [f"{path}: {fault}" for fault in clicks(x)]
            if name == "tick.wav":
                x = np.tile(np.pad(x, (0, max(0, RATE - len(x)))), 3)
            level = loudness(x, RATE)
            print(f"{name}: {level:.2f} LUFS")
            if abs(level - TARGET) > TOLERANCE:
                failures.append(f"{path}: {level:.1f} LUFS, not {TARGET} ± {TOLERANCE}")
    if measured:
        values = list(measured.values())
        print(f"{len(values)} call words, {min(values):.2f} to {max(values):.2f} LUFS")
    for failure in failures:
        print(f"FAIL: {failure}", file=sys.stderr)
    print(f"{0 if failures else 1} passed, {1 if failures else 0} failed")
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()
