// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "soundbackend.h"

#include <QSet>

#include <memory>
#include <unordered_map>
#include <vector>

class PulseConnection;
struct pa_operation;
struct pa_stream;

// Plays WAV files on the PulseAudio (or PipeWire) server through libpulse's asynchronous API.
// Two streams per sample format are kept open between sounds, corked, since opening one costs
// tens of milliseconds on PipeWire; a sound that overlaps both gets a stream of its own. Nothing
// here waits on the server: every step of a connection or a stream has a deadline on this
// thread's own clock, and whatever misses it is dropped, the connection only by its own
// deadline. A connection that failed or ended is dropped too, so that the next sound connects
// afresh to whichever server is there by then.
//
// The connection runs libpulse's threaded main loop: this thread's event loop need not be GLib's.
// Stream callbacks only post the news to this thread, which handles it under the loop's lock and
// reports to the player once the lock is let go.
class PulseBackend : public SoundBackend
{
    Q_OBJECT

public:
    // How long a connection or a stream may take to become ready before it is given up.
    static constexpr int ReadyWithinMs = 1000;

    explicit PulseBackend(const QString &directory, int readyWithinMs = ReadyWithinMs,
                          QObject *parent = nullptr);
    ~PulseBackend() override;

    void preload(const QStringList &names, const QStringList &folders) override;
    void play(const SoundRequest &request) override;
    void stop(quint64 id) override;

private:
    enum class Event { StreamChanged, Writable, Timed, Drained };
    enum class Outcome { Heard, Stopped, Failed };

    // What a stream callback's user data points to: whom to tell, and about which stream.
    struct Link
    {
        PulseBackend *owner = nullptr;
        quint64 serial = 0;
        quint64 playing = 0; // the sound's id, so that news of an earlier one is told apart
    };

    // A stream on the server and the sound it plays, if any.
    struct Stream
    {
        Link link;
        quint32 format = 0; // see formatKey()
        bool kept = false; // stays open, corked, once its sound has ended
        pa_stream *stream = nullptr;
        pa_operation *operation = nullptr; // timing query or drain
        int volumePercent = 100;
        bool playing = false;
        bool closing = false; // closed once the work at hand is done
        bool begun = false; // uncorked
        qint64 begunNs = 0;
        SoundRequest request;
        WavSound sound; // a shared copy: the cache may move its entries as it grows
        qint64 written = 0;
        bool started = false;
        qint64 audibleEndNs = 0;
    };

    struct Report
    {
        SoundRequest request;
        enum { Started, Failed, CannotPlay } kind;
        qint64 audibleEndNs = 0;
    };

    static quint32 formatKey(const WavInfo &info);
    static void post(void *link, Event event, int success = 1);
    void handle(quint64 serial, quint64 playing, Event event, bool success, qint64 atNs);
    template<typename Work>
    void locked(Work work);
    void report();

    void connected();
    void closeStreams();
    Stream *streamFor(quint32 format);
    void keepStreams(quint32 format);
    Stream *addStream(quint32 format, bool kept);
    Stream *findPlaying(quint64 id);
    void openStream(Stream &stream);
    void begin(Stream &stream);
    void feed(Stream &stream);
    void askTiming(Stream &stream);
    void onTimed(Stream &stream, bool success, qint64 answeredNs);
    void endPlayback(Stream &stream, Outcome outcome);
    void discard(Stream &stream);
    void closeStream(quint64 serial);
    void closeDiscarded();

    int m_readyWithinMs;
    PulseConnection *m_connection;
    quint64 m_lastSerial = 0;
    int m_volumePercent = 100; // the last asked for, for streams opened ahead
    QSet<quint32> m_formats; // of the sounds loaded, each gets a stream opened ahead
    std::unordered_map<quint64, std::unique_ptr<Stream>> m_streams;
    std::vector<Report> m_reports;
};

// libpulse's volume for the volume setting's gain.
quint32 pulseVolume(int percent);

// A playback stream's timing, as the server answered, in nanoseconds on our clock.
struct StreamTiming
{
    qint64 answeredNs = 0;
    qint64 queuedNs = 0; // written to the stream, not yet handed to the sink
    qint64 sinkNs = 0; // what the sink holds ahead of what is heard
    bool playing = false; // false: the stream ran dry ...
    qint64 dryNs = 0; // ... and the sink was handed this much silence for it since
    qint64 playedByNs = 0; // when the sound could have played in full, counted from its start
};

// When the last sample of a stream's sound is heard.
qint64 audibleEndNs(const StreamTiming &timing);
