// SPDX-License-Identifier: GPL-3.0-or-later
#include "soundchannel.h"

#include "gamelog.h"

#include <QPointer>

SoundChannel::SoundChannel(Play play, Stop stop, QObject *parent)
    : QObject(parent)
    , m_play(std::move(play))
    , m_stop(std::move(stop))
{
}

void SoundChannel::play(const QString &name, std::function<void()> finished)
{
    m_waiting.push_back({name, std::move(finished)});
    startNext();
}

void SoundChannel::cut()
{
    m_waiting.clear();
    if (m_busy) {
        qCDebug(lcGame, "sound-stop %s", qUtf8Printable(m_playing));
        stop(m_playing);
    }
}

void SoundChannel::stop(const QString &name)
{
    std::erase_if(m_waiting, [&name](const Sound &sound) { return sound.name == name; });
    if (m_busy && m_playing == name) {
        m_busy = false;
        m_finished = nullptr;
        ++m_serial;
        m_stop(name);
    }
    startNext();
}

void SoundChannel::startNext()
{
    if (m_busy || m_waiting.empty()) {
        return;
    }
    Sound next = std::move(m_waiting.front());
    m_waiting.pop_front();
    m_busy = true;
    m_playing = next.name;
    m_finished = std::move(next.finished);
    const quint64 serial = ++m_serial;
    QPointer<SoundChannel> self(this);
    m_play(m_playing, [self, serial] {
        if (self) {
            self->ended(serial);
        }
    });
}

void SoundChannel::ended(quint64 serial)
{
    if (!m_busy || serial != m_serial) {
        return; // silenced since
    }
    m_busy = false;
    const auto finished = std::exchange(m_finished, nullptr);
    // What the caller asks for on hearing the end (the colour after the limb) comes after what
    // already waits.
    startNext();
    if (finished) {
        finished();
    }
}
