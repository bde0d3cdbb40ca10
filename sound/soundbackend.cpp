// SPDX-License-Identifier: GPL-3.0-or-later
#include "soundbackend.h"

#include "defaultsound.h"

#include <chrono>

Q_LOGGING_CATEGORY(lcSound, "limbora.sound", QtWarningMsg)

qint64 monotonicNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
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
