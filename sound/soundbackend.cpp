// SPDX-License-Identifier: GPL-3.0-or-later
#include "soundbackend.h"

#include "defaultsound.h"

#include <algorithm>
#include <chrono>
#include <cmath>

Q_LOGGING_CATEGORY(lcSound, "limbora.sound", QtWarningMsg)

qint64 monotonicNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

double volumeGain(int percent)
{
    // 10 dB in amplitude per halving: (1/2)^k = 10^(-10/20).
    static const double exponent = 0.5 / std::log10(2.0);
    return std::pow(std::clamp(percent, 0, 100) / 100.0, exponent);
}

SoundBackend::SoundBackend(const QString &directory, QObject *parent)
    : QObject(parent)
    , m_cache(directory)
{
}

void SoundBackend::preload(const QStringList &names, const QStringList &folders)
{
    for (const QString &name : names) {
        m_cache.find(name, folders);
    }
}

bool SoundBackend::tooLate(const SoundRequest &request)
{
    return request.startByNs != 0 && monotonicNs() > request.startByNs;
}

std::optional<WavSound> SoundBackend::load(const SoundRequest &request)
{
    return m_cache.find(request.name, request.folders);
}

void SoundBackend::cannotPlay(const SoundRequest &request)
{
    if (!request.wait && playDefaultSound()) {
        return;
    }
    Q_EMIT failed(request.id);
}
