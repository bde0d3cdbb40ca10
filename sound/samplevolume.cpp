// SPDX-License-Identifier: GPL-3.0-or-later
#include "samplevolume.h"

#include "soundbackend.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>

QByteArray samplesAtVolume(const QByteArray &samples, int bitsPerSample, int percent)
{
    const double level = volumeGain(percent);
    if (level >= 1.0) {
        return samples;
    }
    QByteArray scaled = samples;
    if (bitsPerSample == 8) {
        for (char &byte : scaled) {
            const int centred = int(static_cast<unsigned char>(byte)) - 128;
            byte = char(128 + int(std::lround(centred * level)));
        }
    } else {
        for (qsizetype i = 0; i + 1 < scaled.size(); i += 2) {
            const qint16 sample = qFromLittleEndian<qint16>(scaled.constData() + i);
            qToLittleEndian(qint16(std::lround(sample * level)), scaled.data() + i);
        }
    }
    return scaled;
}
