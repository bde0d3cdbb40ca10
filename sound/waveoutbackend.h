// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "soundbackend.h"

#include <memory>
#include <unordered_map>

// Plays WAV files through Windows' waveOut, a device of its own for each sound, opened on the
// default output; simpler than WASAPI for whole sounds handed over at once, and what Wine maps
// straight onto PulseAudio. waveOut signals a finished buffer through an event, which a
// QWinEventNotifier watches on this thread: no callback runs on a thread of Windows', and nothing
// here waits.
// Stop is waveOutReset, which ends the sound at once. The volume is applied to the samples, so
// that each sound has its own and the mixer's volume of the program stays the user's.
class WaveOutBackend : public SoundBackend
{
    Q_OBJECT

public:
    explicit WaveOutBackend(const QString &directory, QObject *parent = nullptr);
    ~WaveOutBackend() override;

    void preload(const QStringList &names, const QStringList &folders) override;
    void play(const SoundRequest &request) override;
    void stop(quint64 id) override;

private:
    struct Playing;

    void bufferDone(quint64 id);
    void recheckBeforeEnd(quint64 id, qint64 endNs);
    void recheck(quint64 id);

    std::unordered_map<quint64, std::unique_ptr<Playing>> m_playing;
};
