// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

// What we need to know of a WAV file before handing it to the audio backend, which hangs on
// empty, truncated or oversized files instead of reporting an error.
struct WavInfo
{
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    qint64 dataBytes = 0;

    qint64 durationMs() const;
};

// Accepts only what plays reliably: RIFF/WAVE, PCM, 8 or 16 bits, a non-empty data chunk that
// lies within the file.
std::optional<WavInfo> readWavInfo(const QString &path);
