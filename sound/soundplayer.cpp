// SPDX-License-Identifier: GPL-3.0-or-later
#include "soundplayer.h"

#include "defaultsound.h"
#include "wavinfo.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

SoundPlayer::SoundPlayer(const QString &directory, QObject *parent)
    : QObject(parent)
    , m_directory(directory)
    , m_defaultSound([] { playDefaultSound(); })
{
}

SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::preload(const QStringList &names)
{
    for (const QString &name : names) {
        playable(name);
    }
}

void SoundPlayer::setDefaultSound(std::function<void()> defaultSound)
{
    m_defaultSound = std::move(defaultSound);
}

// The loaded sound, or nullptr where nothing could be heard of it.
const SoundPlayer::Loaded *SoundPlayer::playable(const QString &name)
{
    // Without an audio server the backend claims to play and never reports the end.
    if (QMediaDevices::audioOutputs().isEmpty()) {
        return nullptr;
    }
    auto found = m_loaded.constFind(name);
    if (found == m_loaded.constEnd()) {
        const QString file = path(name);
        const auto info = readWavInfo(file);
        if (!info) {
            return nullptr; // not remembered: a file put back later is played then
        }
        auto *effect = new QSoundEffect(this);
        effect->setSource(QUrl::fromLocalFile(file));
        found = m_loaded.insert(name, Loaded{effect, info->durationMs()});
    }
    return &found.value();
}

void SoundPlayer::restart(QSoundEffect *effect)
{
    if (effect->isPlaying()) {
        effect->stop();
    }
    effect->play();
}

void SoundPlayer::playAndWait(const QString &name, std::function<void()> finished)
{
    const Loaded *sound = playable(name);
    if (!sound) {
        QMetaObject::invokeMethod(this, std::move(finished), Qt::QueuedConnection);
        return;
    }
    QSoundEffect *effect = sound->effect;
    restart(effect);

    // The wait ends at the backend's end report, an error, or the sound's length.
    auto *watch = new QObject(this);
    auto *watchdog = new QTimer(watch);
    auto callback = std::make_shared<std::function<void()>>(std::move(finished));
    auto finish = [effect, watch, watchdog, callback] {
        disconnect(effect, nullptr, watch, nullptr);
        watchdog->stop();
        watch->deleteLater();
        if (auto once = std::exchange(*callback, nullptr)) {
            once();
        }
    };
    connect(effect, &QSoundEffect::playingChanged, watch, [effect, finish] {
        if (!effect->isPlaying()) {
            finish();
        }
    });
    connect(effect, &QSoundEffect::statusChanged, watch, [effect, finish] {
        if (effect->status() == QSoundEffect::Error) {
            finish();
        }
    });
    const bool loaded = effect->status() == QSoundEffect::Ready;
    watchdog->setSingleShot(true);
    connect(watchdog, &QTimer::timeout, watch, finish);
    watchdog->start(int(sound->lengthMs) + StartAllowanceMs + (loaded ? 0 : LoadAllowanceMs));
}

void SoundPlayer::playAndReturn(const QString &name)
{
    if (const Loaded *sound = playable(name)) {
        restart(sound->effect);
    } else if (m_defaultSound) {
        m_defaultSound();
    }
}
