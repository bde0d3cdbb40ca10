// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// What we need to know of a WAV file before handing it to the audio backend, which hangs on
// empty, truncated or oversized files and divides by header fields without checking them.
struct WavInfo
{
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    qint64 dataOffset = 0;
    qint64 dataBytes = 0;

    qint64 durationMs() const;
};

// A playable file's samples, as stored (little-endian PCM, whole frames only).
struct WavSound
{
    WavInfo info;
    QByteArray samples;
};

// Accepts only what plays reliably: a regular file (or a link to one), RIFF/WAVE, PCM, 8 or 16
// bits, one or two channels at a rate a sound card plays, consistent block and byte rates, and a
// non-empty data chunk that lies within the file.
std::optional<WavInfo> readWavInfo(const QString &path);
std::optional<WavSound> loadWav(const QString &path);
