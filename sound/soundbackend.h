// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "soundcache.h"

#include <QLoggingCategory>
#include <QObject>
#include <QString>
#include <QStringList>

Q_DECLARE_LOGGING_CATEGORY(lcSound)

// One sound asked of the backend. Times are nanoseconds on the monotonic clock (steady_clock).
struct SoundRequest
{
    quint64 id = 0;
    QString name;
    bool wait = false; // wait mode: no default sound in its place
    qint64 startByNs = 0; // the caller has given up on it after this; 0: no limit
    // Where the name is looked for, first playable file first; relative to the sound directory.
    QStringList folders{QString()};
    int volumePercent = 100;
};

// What actually talks to the audio system. It lives in a thread of its own, so that a stalled,
// slow or vanished audio server can hold up nothing but itself; the sound player reaches it
// only through queued calls and never waits for an answer.
class SoundBackend : public QObject
{
    Q_OBJECT

public:
    explicit SoundBackend(const QString &directory, QObject *parent = nullptr);

    // Loads ahead so that a sound starts without delay when it is asked for.
    virtual void preload(const QStringList &names, const QStringList &folders);
    virtual void play(const SoundRequest &request) = 0;
    // Silences a sound in flight at once; nothing more is reported of it.
    virtual void stop(quint64 id) = 0;

    static bool tooLate(const SoundRequest &request);

    // The end is looked at again this long before it is due: a server that started the sound
    // late, fell behind, or changed its buffering has moved it.
    static constexpr qint64 RecheckBeforeMs = 150;
    // The audible end is never put later than this past the sound's own length, whatever the
    // server says: a call is not held by the server's bookkeeping.
    static constexpr qint64 MostLatencyMs = 1000;

Q_SIGNALS:
    // The sound is playing; its last sample will be heard at audibleEndNs. Sent again when a
    // later look at the server moves that moment.
    void started(quint64 id, qint64 audibleEndNs);
    // Nothing (more) of it can be heard (missing or broken file, no audio device, the stream
    // failed). In return mode the desktop's own sound has been tried first, and failed too.
    void failed(quint64 id);

protected:
    // The first playable file for the request's name, or nothing.
    std::optional<WavSound> load(const SoundRequest &request);
    // Plays the desktop's own sound in return mode; reports failure where that can't be heard.
    void cannotPlay(const SoundRequest &request);

private:
    SoundCache m_cache;
};

qint64 monotonicNs();

// The volume setting (0 to 100) as an amplitude factor (0 to 1), on a loudness curve: every halving
// of the setting is 10 dB down, which sounds half as loud, so 50 sounds half as loud as 100.
double volumeGain(int percent);
