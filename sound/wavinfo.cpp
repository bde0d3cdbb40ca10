// SPDX-License-Identifier: GPL-3.0-or-later
#include "wavinfo.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace {

constexpr quint16 PcmFormat = 1;
constexpr int LowestRate = 8000;
constexpr int HighestRate = 192000;
// A call is a word or two; anything longer than this is not one of our sounds.
constexpr qint64 LongestMs = 60 * 1000;
// However a file is built, finding its samples reads at most this many chunk headers and never
// looks past this offset: a crafted file of empty chunks can't keep the reader busy.
constexpr int MostChunks = 32;
constexpr qint64 MostHeaderBytes = 1024 * 1024;

quint32 read32(const char *bytes)
{
    return qFromLittleEndian<quint32>(bytes);
}

quint16 read16(const char *bytes)
{
    return qFromLittleEndian<quint16>(bytes);
}

std::optional<WavInfo> readHeader(QFile &file)
{
    const qint64 fileSize = file.size();
    char header[12];
    if (file.read(header, 12) != 12 || memcmp(header, "RIFF", 4) != 0
        || memcmp(header + 8, "WAVE", 4) != 0) {
        return std::nullopt;
    }

    WavInfo info;
    bool haveFormat = false;
    quint32 byteRate = 0;
    quint16 blockAlign = 0;
    for (int chunks = 0;; ++chunks) {
        char chunk[8];
        if (chunks == MostChunks || file.pos() > MostHeaderBytes || file.read(chunk, 8) != 8) {
            return std::nullopt;
        }
        const qint64 size = read32(chunk + 4);
        const qint64 body = file.pos();
        if (size > fileSize - body) {
            return std::nullopt;
        }
        if (memcmp(chunk, "fmt ", 4) == 0) {
            char format[16];
            if (size < 16 || file.read(format, 16) != 16 || read16(format) != PcmFormat) {
                return std::nullopt;
            }
            info.channels = read16(format + 2);
            info.sampleRate = int(read32(format + 4));
            byteRate = read32(format + 8);
            blockAlign = read16(format + 12);
            info.bitsPerSample = read16(format + 14);
            haveFormat = true;
        } else if (memcmp(chunk, "data", 4) == 0) {
            info.dataOffset = body;
            info.dataBytes = size;
            break;
        }
        // Chunks are padded to an even length.
        if (!file.seek(body + size + (size & 1))) {
            return std::nullopt;
        }
    }

    if (!haveFormat || info.channels < 1 || info.channels > 2
        || (info.bitsPerSample != 8 && info.bitsPerSample != 16) || info.sampleRate < LowestRate
        || info.sampleRate > HighestRate) {
        return std::nullopt;
    }
    const int frameBytes = info.channels * info.bitsPerSample / 8;
    if (frameBytes <= 0 || blockAlign != frameBytes
        || byteRate != quint32(info.sampleRate) * frameBytes) {
        return std::nullopt;
    }
    info.dataBytes -= info.dataBytes % frameBytes; // a torn last frame is dropped
    if (info.dataBytes <= 0 || info.durationMs() > LongestMs) {
        return std::nullopt;
    }
    return info;
}

// Only regular files: opening a FIFO or a device would block or read without end.
bool openRegular(QFile &file)
{
    return QFileInfo(file.fileName()).isFile() && file.open(QIODevice::ReadOnly);
}

} // namespace

qint64 WavInfo::durationMs() const
{
    const qint64 bytesPerSecond = qint64(sampleRate) * channels * (bitsPerSample / 8);
    return bytesPerSecond > 0 ? dataBytes * 1000 / bytesPerSecond : 0;
}

std::optional<WavInfo> readWavInfo(const QString &path)
{
    QFile file(path);
    if (!openRegular(file)) {
        return std::nullopt;
    }
    return readHeader(file);
}

std::optional<WavSound> loadWav(const QString &path)
{
    QFile file(path);
    if (!openRegular(file)) {
        return std::nullopt;
    }
    const auto info = readHeader(file);
    if (!info || !file.seek(info->dataOffset)) {
        return std::nullopt;
    }
    WavSound sound{*info, file.read(info->dataBytes)};
    if (sound.samples.size() != info->dataBytes) {
        return std::nullopt; // the file shrank under us
    }
    return sound;
}
