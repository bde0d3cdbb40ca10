#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs a Festival diphone voice's last step, the LPC synthesis filter, in floating point.

Festival filters the joined residual in single precision but stores the result as 16-bit
integers: where the filter's output passes full scale the samples wrap to the other sign and
the word clicks. make-sounds.sh saves the residual and the filter coefficients from Festival
and filters them here instead, so the word can be levelled before it is ever made 16-bit.

    lpc-resynth.py RESIDUAL.wav COEFFICIENTS.track OUT.wav   (OUT: 32-bit float WAV)"""
import struct
import sys
import wave

import numpy as np


def read_track(path):
    """Frame times and LPC coefficients (channel 0, the frame's gain, is not used by the
    filter) from Festival's ASCII track format."""
    times, coefficients = [], []
    with open(path, encoding="ascii") as lines:
        for line in lines:
            if line.startswith("EST_Header_End"):
                break
        for line in lines:
            fields = line.split()
            if fields:
                times.append(float(fields[0]))
                coefficients.append([float(value) for value in fields[3:]])
    return np.array(times), np.array(coefficients)


def synthesise(residual, rate, times, coefficients):
    order = coefficients.shape[1]
    out = np.zeros(len(residual) + order)
    start, at = order, 0
    for frame in range(len(times) - 1):
        # the frame's filter holds from halfway after the previous frame to halfway to the next
        end = min(int((times[frame] + times[frame + 1]) * rate) // 2, len(residual))
        taps = coefficients[frame]
        for k in range(start, end):
            out[k] = np.dot(taps, out[k - 1:k - order - 1:-1] if k > order else
                            out[k - 1::-1][:order]) + residual[at]
            at += 1
        start = max(start, end)
    return out[order:start]


def mend_glitches(signal):
    """Diphone joins where the filter changes abruptly leave single samples far off their
    neighbours' course (the voice is band-limited, its real samples never are): each is put back
    on the line between the samples around it."""
    window = np.lib.stride_tricks.sliding_window_view(np.pad(signal, 3, mode="edge"), 7)
    glitch = np.abs(signal - np.median(window, axis=1)) > 0.3 * np.abs(signal).max()
    glitch |= np.roll(glitch, 1) | np.roll(glitch, -1)
    if not glitch.any() or glitch.all():
        return signal
    at = np.arange(len(signal))
    return np.where(glitch, np.interp(at, at[~glitch], signal[~glitch]), signal)


def write_float_wav(path, samples, rate):
    data = samples.astype("<f4").tobytes()
    header = b"RIFF" + struct.pack("<I", 4 + 26 + 8 + len(data)) + b"WAVE"
    header += b"fmt " + struct.pack("<IHHIIHHH", 18, 3, 1, rate, rate * 4, 4, 32, 0)
    with open(path, "wb") as out:
        out.write(header + b"data" + struct.pack("<I", len(data)) + data)


def main():
    with wave.open(sys.argv[1]) as source:
        rate = source.getframerate()
        residual = np.frombuffer(source.readframes(source.getnframes()), "<i2").astype(float)
    times, coefficients = read_track(sys.argv[2])
    signal = mend_glitches(synthesise(residual, rate, times, coefficients) / 32768.0)
    write_float_wav(sys.argv[3], signal / max(1.0, 2 * np.abs(signal).max()), rate)


if __name__ == "__main__":
    main()
