// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "soundbackend.h"

#include <QHash>

class QAudioSink;

// Plays WAV files through Qt Multimedia's audio sink, a fresh stream for each sound: a stream
// outlives no sound, so a restarted audio server is used from the next sound on. The samples are
// followed by silence, so that closing the stream never cuts the end of what is heard.
class QtAudioBackend : public SoundBackend
{
    Q_OBJECT

public:
    // When the first sample is heard, from the stream's start returning, as recorded from a
    // PulseAudio null sink (which renders a little ahead). A sound card's own delay is left out:
    // it delays every sound alike, so sounds still follow each other without a gap or overlap.
    static constexpr qint64 FirstSampleHeardMs = -6;

    explicit QtAudioBackend(const QString &directory, QObject *parent = nullptr);

    void preload(const QStringList &names, const QStringList &folders) override;
    void play(const SoundRequest &request) override;
    void stop(quint64 id) override;

private:
    QHash<quint64, QAudioSink *> m_playing;
};

// Qt's sink takes the linear factor itself.
float linearVolume(int percent);
