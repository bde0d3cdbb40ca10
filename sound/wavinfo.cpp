// SPDX-License-Identifier: GPL-3.0-or-later
#include "wavinfo.h"

#include <QFile>
#include <QtEndian>

namespace {

constexpr quint16 PcmFormat = 1;

quint32 read32(const char *bytes)
{
    return qFromLittleEndian<quint32>(bytes);
}

quint16 read16(const char *bytes)
{
    return qFromLittleEndian<quint16>(bytes);
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
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const qint64 fileSize = file.size();
    char header[12];
    if (file.read(header, 12) != 12 || memcmp(header, "RIFF", 4) != 0
        || memcmp(header + 8, "WAVE", 4) != 0) {
        return std::nullopt;
    }

    WavInfo info;
    bool haveFormat = false;
    while (true) {
        char chunk[8];
        if (file.read(chunk, 8) != 8) {
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
            info.bitsPerSample = read16(format + 14);
            haveFormat = true;
        } else if (memcmp(chunk, "data", 4) == 0) {
            info.dataBytes = size;
            break;
        }
        // Chunks are padded to an even length.
        if (!file.seek(body + size + (size & 1))) {
            return std::nullopt;
        }
    }

    const bool playable = haveFormat && info.channels >= 1 && info.channels <= 2
        && info.sampleRate > 0 && (info.bitsPerSample == 8 || info.bitsPerSample == 16)
        && info.dataBytes > 0;
    return playable ? std::optional(info) : std::nullopt;
}
