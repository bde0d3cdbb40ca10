// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

// One sound asked of the backend. Times are nanoseconds on the monotonic clock (steady_clock).
struct SoundRequest
{
    quint64 id = 0;
    QString name;
    bool wait = false; // wait mode: no default sound in its place
    qint64 startByNs = 0; // the caller has given up on it after this; 0: no limit
};

// What actually talks to the audio system. It lives in a thread of its own, so that a stalled,
// slow or vanished audio server can hold up nothing but itself; the sound player reaches it
// only through queued calls and never waits for an answer.
class SoundBackend : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Loads ahead so that a sound starts without delay when it is asked for.
    virtual void preload(const QStringList &names) = 0;
    virtual void play(const SoundRequest &request) = 0;

Q_SIGNALS:
    // The sound is playing; its last sample will be heard at audibleEndNs.
    void started(quint64 id, qint64 audibleEndNs);
    // Nothing of it can be heard (missing or broken file, no audio device, the stream failed).
    // In return mode the desktop's own sound has been tried first, and failed too.
    void failed(quint64 id);
};

qint64 monotonicNs();
