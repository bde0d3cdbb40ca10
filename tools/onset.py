#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Where a word starts: the time, in seconds, 10 ms before its first sample within 50 dB of its
peak. A level trim cuts the quiet release burst of a stop (the b of "blue"); this keeps it, with a
short lead-in, and never cuts into the word.

    onset.py WORD.wav   (32-bit float mono WAV, as sox writes it)"""
import sys

import numpy as np

LEAD_IN = 0.010  # s


def main():
    data = open(sys.argv[1], "rb").read()
    rate = int.from_bytes(data[24:28], "little")
    at = data.index(b"data") + 8
    x = np.abs(np.frombuffer(data[at:at + int.from_bytes(data[at - 4:at], "little")], "<f4"))
    first = int(np.argmax(x > x.max() * 10 ** (-50 / 20)))
    print(f"{max(0.0, first / rate - LEAD_IN):.6f}")


if __name__ == "__main__":
    main()
