// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "soundbackend.h"
#include "wavinfo.h"

#include <QHash>

#include <memory>
#include <unordered_map>
#include <vector>

struct pa_context;
struct pa_operation;
struct pa_stream;
struct pa_threaded_mainloop;

// Plays WAV files on the PulseAudio server through libpulse's asynchronous API. Nothing here
// waits on the server: every step of a connection or a stream has a deadline on this thread's
// own clock, and whatever misses it is dropped. A connection that failed, ended or stalled is
// dropped too, so that the next sound connects afresh to whichever server is there by then.
class PulseBackend : public SoundBackend
{
    Q_OBJECT

public:
    // How long a connection or a stream may take to become ready before it is given up.
    static constexpr int ReadyWithinMs = 1000;

    explicit PulseBackend(const QString &directory, int readyWithinMs = ReadyWithinMs,
                          QObject *parent = nullptr);
    ~PulseBackend() override;

    void preload(const QStringList &names) override;
    void play(const SoundRequest &request) override;

private:
    // One sound on its way to the server. Its address is the callbacks' user data, so it lives
    // until its callbacks and operations are cleared, under the mainloop's lock.
    struct Playback
    {
        PulseBackend *owner = nullptr;
        SoundRequest request;
        WavSound sound; // a shared copy: the cache may move its entries as it grows
        pa_stream *stream = nullptr;
        pa_operation *operation = nullptr; // timing query, then drain
        qint64 written = 0;
        bool started = false;
    };

    // A sound that ended unheard, reported once the lock is let go.
    struct Ended
    {
        SoundRequest request;
        bool started = false;
    };

    const WavSound *load(const QString &name);
    bool ensureMainloop();
    bool ensureContext();
    void dropContext();
    void openStream(Playback &playback);
    void feed(Playback &playback);
    void finish(quint64 id, bool heard);
    void reportEnded();
    void cannotPlay(const SoundRequest &request);

    // Run on this thread, posted from libpulse's callbacks.
    void onContextChanged(quint64 generation);
    void onStreamChanged(quint64 id);
    void onWritable(quint64 id);
    void onTimed(quint64 id);
    void onDrained(quint64 id);

    static void contextStateCallback(pa_context *context, void *userdata);
    static void streamStateCallback(pa_stream *stream, void *userdata);
    static void streamWriteCallback(pa_stream *stream, size_t bytes, void *userdata);
    static void timingCallback(pa_stream *stream, int success, void *userdata);
    static void drainCallback(pa_stream *stream, int success, void *userdata);

    QString m_directory;
    int m_readyWithinMs;
    QHash<QString, WavSound> m_loaded;
    pa_threaded_mainloop *m_mainloop = nullptr;
    pa_context *m_context = nullptr;
    quint64 m_contextGeneration = 0;
    std::unordered_map<quint64, std::unique_ptr<Playback>> m_playing;
    std::vector<Ended> m_ended;
};
