// SPDX-License-Identifier: GPL-3.0-or-later
#include "pulsebackend.h"

#include "pulseconnection.h"

#include <QTimer>

#include <pulse/context.h>
#include <pulse/error.h>
#include <pulse/introspect.h>
#include <pulse/stream.h>
#include <pulse/volume.h>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// A stream still playing this long after its last sample was due has a stalled server.
constexpr int DrainGraceMs = 2000;
// A stream opened ahead holds this much: a call's word fits at once.
constexpr int KeptBufferMs = 3000;
constexpr int KeptStreams = 2;

pa_sample_spec sampleFormat(quint32 format)
{
    pa_sample_spec sample;
    sample.format = (format >> 24) == 8 ? PA_SAMPLE_U8 : PA_SAMPLE_S16LE;
    sample.channels = static_cast<uint8_t>((format >> 20) & 0xf);
    sample.rate = format & 0xfffff;
    return sample;
}

void unrefOperation(pa_operation *operation)
{
    if (operation) {
        pa_operation_unref(operation);
    }
}

qint64 durationNs(const pa_sample_spec &sample, qint64 bytes)
{
    return static_cast<qint64>(
               pa_bytes_to_usec(static_cast<uint64_t>(std::max<qint64>(0, bytes)), &sample))
        * 1000;
}

qint64 msUntil(qint64 ns)
{
    return std::max<qint64>(0, (ns - monotonicNs() + 999'999) / 1'000'000);
}

} // namespace

quint32 pulseVolume(int percent)
{
    return pa_sw_volume_from_linear(volumeGain(percent));
}

// What the stream still holds plays after what the sink holds. A stream that ran dry was followed
// in the sink by the silence handed over since: libpulse's own latency counts that silence as the
// sound's, and stands still while the stream is dry. Never before the whole sound could have
// played since it was let go (pipewire-pulse answers a stream reused from corked with a read
// position that runs ahead of what it has played), and never long after.
qint64 audibleEndNs(const StreamTiming &timing)
{
    const qint64 sinkNs
        = timing.playing ? timing.sinkNs : std::max<qint64>(0, timing.sinkNs - timing.dryNs);
    return std::clamp(timing.answeredNs + timing.queuedNs + sinkNs, timing.playedByNs,
                      timing.playedByNs + SoundBackend::MostLatencyMs * 1'000'000);
}

PulseBackend::PulseBackend(const QString &directory, int readyWithinMs, QObject *parent)
    : SoundBackend(directory, parent)
    , m_readyWithinMs(readyWithinMs)
    // A child: it moves to the sound thread with the backend.
    , m_connection(new PulseConnection(readyWithinMs, PulseConnection::ReconnectAfterMs, this))
{
    connect(m_connection, &PulseConnection::ready, this,
            [this] { locked([this] { connected(); }); });
    // Whoever closes the connection, a sound still playing there fails.
    connect(m_connection, &PulseConnection::aboutToClose, this, &PulseBackend::closeStreams);
    connect(m_connection, &PulseConnection::ended, this,
            [this](PulseConnection::End end, int error) {
                if (end == PulseConnection::End::NotInTime) {
                    qCDebug(lcSound, "the audio server did not answer in time");
                } else {
                    qCDebug(lcSound, "the audio server connection ended: %s", pa_strerror(error));
                    // Gone or refused: connect again, to whatever server is there then.
                    if (!m_formats.isEmpty()) {
                        m_connection->reconnectLater();
                    }
                }
                report();
            });
}

PulseBackend::~PulseBackend()
{
    {
        PulseConnection::Locker lock(*m_connection);
        closeStreams();
    }
    m_reports.clear();
    delete m_connection; // after its streams: neither waits on the server
}

template<typename Work>
void PulseBackend::locked(Work work)
{
    {
        PulseConnection::Locker lock(*m_connection);
        work();
        closeDiscarded();
    }
    report();
}

// Rate up to 192 kHz in the low 20 bits, channels and bits above.
quint32 PulseBackend::formatKey(const WavInfo &info)
{
    return quint32(info.bitsPerSample) << 24 | quint32(info.channels) << 20
        | quint32(info.sampleRate);
}

void PulseBackend::preload(const QStringList &names, const QStringList &folders)
{
    for (const QString &name : names) {
        SoundRequest request;
        request.name = name;
        request.folders = folders;
        if (const auto sound = load(request)) {
            m_formats.insert(formatKey(sound->info));
        }
    }
    // Connects now rather than at the first call; streams are opened once connected.
    locked([this] { m_connection->open(); });
}

// What the player hears of is told only once the lock is let go: it may take its time.
void PulseBackend::report()
{
    std::vector<Report> reports;
    reports.swap(m_reports);
    for (const Report &sound : reports) {
        switch (sound.kind) {
        case Report::Started:
            Q_EMIT started(sound.request.id, sound.audibleEndNs);
            break;
        case Report::Failed:
            Q_EMIT failed(sound.request.id);
            break;
        case Report::CannotPlay:
            cannotPlay(sound.request);
            break;
        }
    }
}

// libpulse calls back on its own thread, holding the lock: the news is only passed on, with
// when it came (a timing answer is about that moment, not about when this thread gets to it).
void PulseBackend::post(void *link, Event event, int success)
{
    const auto *to = static_cast<const Link *>(link);
    to->owner->m_connection->post(
        [owner = to->owner, serial = to->serial, playing = to->playing, event, success,
         atNs = monotonicNs()] { owner->handle(serial, playing, event, success != 0, atNs); });
}

void PulseBackend::handle(quint64 serial, quint64 playing, Event event, bool success, qint64 atNs)
{
    locked([&] {
        const auto found = m_streams.find(serial);
        if (found == m_streams.end() || !found->second->stream || found->second->closing) {
            return;
        }
        Stream &stream = *found->second;
        if (event != Event::StreamChanged && (!stream.playing || stream.request.id != playing)) {
            return; // about a sound that has ended since
        }
        switch (event) {
        case Event::StreamChanged: {
            const pa_stream_state_t state = pa_stream_get_state(stream.stream);
            if (state == PA_STREAM_READY && stream.playing && !stream.begun) {
                begin(stream);
            } else if (!PA_STREAM_IS_GOOD(state)) {
                discard(stream);
            }
            break;
        }
        case Event::Writable:
            feed(stream);
            break;
        case Event::Timed:
            unrefOperation(std::exchange(stream.operation, nullptr));
            onTimed(stream, success, atNs);
            break;
        case Event::Drained:
            unrefOperation(std::exchange(stream.operation, nullptr));
            endPlayback(stream, success ? Outcome::Heard : Outcome::Failed);
            break;
        }
    });
}

void PulseBackend::connected()
{
    for (quint32 format : std::as_const(m_formats)) {
        keepStreams(format);
    }
    for (auto &entry : m_streams) {
        if (!entry.second->stream && !entry.second->closing) {
            openStream(*entry.second);
        }
    }
}

void PulseBackend::closeStreams()
{
    while (!m_streams.empty()) {
        closeStream(m_streams.begin()->first); // a sound still playing there fails
    }
}

void PulseBackend::play(const SoundRequest &request)
{
    if (tooLate(request)) {
        return; // the caller went on without it
    }
    const auto sound = load(request);
    if (!sound) {
        cannotPlay(request);
        return;
    }
    m_volumePercent = request.volumePercent;
    locked([&] {
        if (!m_connection->open()) {
            m_reports.push_back({request, Report::CannotPlay});
            return;
        }
        const quint32 format = formatKey(sound->info);
        m_formats.insert(format);
        Stream &stream = *streamFor(format);
        stream.playing = true;
        stream.link.playing = request.id;
        stream.request = request;
        stream.sound = *sound;
        stream.written = 0;
        stream.started = false;
        stream.begun = false;
        if (!stream.stream) {
            if (m_connection->isReady()) {
                openStream(stream); // the rest once the stream is ready
            }
        } else if (pa_stream_get_state(stream.stream) == PA_STREAM_READY) {
            begin(stream);
        }
    });

    // A sound that can't start by its caller's deadline is given up, that sound alone: a stream
    // ready after it must not play it over the next call.
    qint64 startWithinMs = m_readyWithinMs;
    if (request.startByNs != 0) {
        startWithinMs = std::min<qint64>(msUntil(request.startByNs), m_readyWithinMs);
    }
    const quint64 id = request.id;
    QTimer::singleShot(startWithinMs, this, [this, id] {
        locked([this, id] {
            Stream *stream = findPlaying(id);
            if (stream && !stream->started) {
                qCDebug(lcSound, "%s did not start in time", qUtf8Printable(stream->request.name));
                endPlayback(*stream, Outcome::Failed);
            }
        });
    });
}

void PulseBackend::stop(quint64 id)
{
    locked([this, id] {
        if (Stream *stream = findPlaying(id)) {
            qCDebug(lcSound, "stopped %s", qUtf8Printable(stream->request.name));
            endPlayback(*stream, Outcome::Stopped);
        }
    });
}

// An idle stream kept for the format, else a new one: kept while the format has fewer than
// KeptStreams (a call's colour follows its limb while the limb's stream is still draining).
PulseBackend::Stream *PulseBackend::streamFor(quint32 format)
{
    int kept = 0;
    for (auto &entry : m_streams) {
        Stream &stream = *entry.second;
        if (stream.kept && stream.format == format && !stream.closing) {
            if (!stream.playing) {
                return &stream;
            }
            ++kept;
        }
    }
    return addStream(format, kept < KeptStreams);
}

void PulseBackend::keepStreams(quint32 format)
{
    int kept = 0;
    for (const auto &entry : m_streams) {
        if (entry.second->kept && entry.second->format == format && !entry.second->closing) {
            ++kept;
        }
    }
    for (; kept < KeptStreams; ++kept) {
        addStream(format, true);
    }
}

PulseBackend::Stream *PulseBackend::addStream(quint32 format, bool kept)
{
    auto stream = std::make_unique<Stream>();
    stream->link = Link{this, ++m_lastSerial};
    stream->format = format;
    stream->kept = kept;
    return m_streams.emplace(stream->link.serial, std::move(stream)).first->second.get();
}

PulseBackend::Stream *PulseBackend::findPlaying(quint64 id)
{
    for (auto &entry : m_streams) {
        if (entry.second->playing && entry.second->request.id == id) {
            return entry.second.get();
        }
    }
    return nullptr;
}

void PulseBackend::openStream(Stream &stream)
{
    const pa_sample_spec sample = sampleFormat(stream.format);
    stream.stream = pa_stream_new(m_connection->context(), "Limbora", &sample, nullptr);
    if (!stream.stream) {
        discard(stream);
        return;
    }
    pa_stream_set_state_callback(
        stream.stream, [](pa_stream *, void *link) { post(link, Event::StreamChanged); },
        &stream.link);
    pa_stream_set_write_callback(
        stream.stream, [](pa_stream *, size_t, void *link) { post(link, Event::Writable); },
        &stream.link);
    // A buffer that holds a whole sound: it is written at once and plays from the server's
    // side, and nothing here wakes up to feed it. It starts corked: opened ahead, it waits so.
    const size_t bufferBytes = stream.kept
        ? pa_usec_to_bytes(pa_usec_t(KeptBufferMs) * 1000, &sample)
        : static_cast<size_t>(stream.sound.samples.size());
    pa_buffer_attr attributes;
    attributes.maxlength = static_cast<uint32_t>(-1);
    attributes.tlength
        = static_cast<uint32_t>(std::max<qint64>(qint64(bufferBytes), stream.sound.samples.size()));
    attributes.prebuf = static_cast<uint32_t>(-1);
    attributes.minreq = static_cast<uint32_t>(-1);
    attributes.fragsize = static_cast<uint32_t>(-1);
    stream.volumePercent = stream.playing ? stream.request.volumePercent : m_volumePercent;
    pa_cvolume volume;
    pa_cvolume_set(&volume, sample.channels, pulseVolume(stream.volumePercent));
    const auto flags = PA_STREAM_START_CORKED;
    if (pa_stream_connect_playback(stream.stream, nullptr, &attributes, flags, &volume, nullptr)
        < 0) {
        discard(stream);
        return;
    }
    // The stream alone is given up if it is slow; the connection has its own deadline.
    QTimer::singleShot(m_readyWithinMs, this, [this, serial = stream.link.serial] {
        locked([this, serial] {
            const auto found = m_streams.find(serial);
            if (found != m_streams.end() && found->second->stream
                && pa_stream_get_state(found->second->stream) != PA_STREAM_READY) {
                qCDebug(lcSound, "a stream did not open in time");
                discard(*found->second);
            }
        });
    });
}

void PulseBackend::begin(Stream &stream)
{
    if (stream.volumePercent != stream.request.volumePercent) {
        stream.volumePercent = stream.request.volumePercent;
        pa_cvolume volume;
        pa_cvolume_set(&volume, stream.sound.info.channels, pulseVolume(stream.volumePercent));
        unrefOperation(pa_context_set_sink_input_volume(m_connection->context(),
                                                        pa_stream_get_index(stream.stream), &volume,
                                                        nullptr, nullptr));
    }
    feed(stream);
    if (!stream.playing) {
        return;
    }
    stream.begun = true;
    stream.begunNs = monotonicNs();
    unrefOperation(pa_stream_cork(stream.stream, 0, nullptr, nullptr));
    // A sound shorter than the server's least buffer would otherwise wait for more.
    unrefOperation(pa_stream_trigger(stream.stream, nullptr, nullptr));
    if (stream.written == stream.sound.samples.size()) {
        askTiming(stream);
    }
}

void PulseBackend::feed(Stream &stream)
{
    const QByteArray &samples = stream.sound.samples;
    if (stream.written >= samples.size()) {
        return;
    }
    const size_t writable = pa_stream_writable_size(stream.stream);
    if (writable == static_cast<size_t>(-1)) {
        endPlayback(stream, Outcome::Failed);
        return;
    }
    const qint64 count
        = std::min<qint64>(static_cast<qint64>(writable), samples.size() - stream.written);
    if (count <= 0) {
        return;
    }
    if (pa_stream_write(stream.stream, samples.constData() + stream.written,
                        static_cast<size_t>(count), nullptr, 0, PA_SEEK_RELATIVE)
        < 0) {
        endPlayback(stream, Outcome::Failed);
        return;
    }
    stream.written += count;
    if (count < samples.size()) { // the server kept less than the whole sound
        qCDebug(lcSound, "%s: wrote %lld bytes, %lld of %lld in all",
                qUtf8Printable(stream.request.name), static_cast<long long>(count),
                static_cast<long long>(stream.written), static_cast<long long>(samples.size()));
    }
    // A server that kept less asks for the rest as it makes room.
    if (stream.written == samples.size() && stream.begun) {
        askTiming(stream);
    }
}

// The server's answer tells how much lies ahead of the last sample, its own delay included.
void PulseBackend::askTiming(Stream &stream)
{
    unrefOperation(std::exchange(stream.operation, nullptr));
    stream.operation = pa_stream_update_timing_info(
        stream.stream,
        [](pa_stream *, int success, void *link) { post(link, Event::Timed, success); },
        &stream.link);
    if (!stream.operation) {
        endPlayback(stream, Outcome::Failed);
    }
}

void PulseBackend::onTimed(Stream &stream, bool success, qint64 answeredNs)
{
    const pa_timing_info *timing = success ? pa_stream_get_timing_info(stream.stream) : nullptr;
    if (!timing) {
        endPlayback(stream, Outcome::Failed); // not heard, as far as anyone can tell
        return;
    }
    const pa_sample_spec sample = sampleFormat(stream.format);
    StreamTiming answer;
    answer.answeredNs = answeredNs;
    answer.queuedNs = durationNs(sample, timing->write_index - timing->read_index);
    answer.sinkNs = static_cast<qint64>(timing->sink_usec) * 1000;
    answer.playing = timing->playing != 0;
    answer.dryNs = durationNs(sample, timing->since_underrun);
    answer.playedByNs = stream.begunNs + durationNs(sample, stream.sound.samples.size());
    const qint64 endNs = audibleEndNs(answer);
    if (!stream.started || std::abs(endNs - stream.audibleEndNs) > 1'000'000) {
        qCDebug(lcSound, "%s %s, %lld us ahead of its end", stream.started ? "moved" : "started",
                qUtf8Printable(stream.request.name), (endNs - monotonicNs()) / 1000);
        stream.started = true;
        stream.audibleEndNs = endNs;
        m_reports.push_back({stream.request, Report::Started, endNs});
    }
    const quint64 id = stream.request.id;
    const qint64 untilEndMs = msUntil(endNs);
    if (untilEndMs > RecheckBeforeMs) {
        QTimer::singleShot(untilEndMs - RecheckBeforeMs, this, [this, id] {
            locked([this, id] {
                if (Stream *playing = findPlaying(id)) {
                    askTiming(*playing);
                }
            });
        });
        return;
    }
    // Past its end the stream is drained: a server that doesn't get there has stalled.
    QTimer::singleShot(untilEndMs, this, [this, id] {
        locked([this, id] {
            Stream *playing = findPlaying(id);
            if (!playing) {
                return;
            }
            unrefOperation(std::exchange(playing->operation, nullptr));
            playing->operation = pa_stream_drain(
                playing->stream,
                [](pa_stream *, int success, void *link) { post(link, Event::Drained, success); },
                &playing->link);
            if (!playing->operation) {
                endPlayback(*playing, Outcome::Failed);
            }
        });
    });
    QTimer::singleShot(untilEndMs + DrainGraceMs, this, [this, id] {
        locked([this, id] {
            if (findPlaying(id)) {
                qCDebug(lcSound, "the audio server stopped playing");
                m_connection->close();
            }
        });
    });
}

// The sound is done with; a kept stream is emptied and corked for the next one, any other
// closed. A sound that failed is reported as the player needs it.
void PulseBackend::endPlayback(Stream &stream, Outcome outcome)
{
    if (!stream.playing) {
        return;
    }
    stream.playing = false;
    stream.link.playing = 0;
    if (outcome == Outcome::Failed) {
        if (stream.started) {
            if (stream.request.wait) {
                // The rest will not be heard: the wait ends now.
                m_reports.push_back({stream.request, Report::Failed});
            }
        } else if (!tooLate(stream.request)) {
            m_reports.push_back({stream.request, Report::CannotPlay});
        }
    }
    stream.sound = WavSound();
    if (stream.operation) {
        pa_operation_cancel(stream.operation);
        unrefOperation(std::exchange(stream.operation, nullptr));
    }
    if (!stream.kept || !stream.stream) {
        stream.closing = true;
        return;
    }
    if (pa_stream_get_state(stream.stream) != PA_STREAM_READY) {
        return; // still opening: it waits, corked, for the next sound
    }
    if (stream.begun) {
        if (outcome != Outcome::Heard) {
            unrefOperation(pa_stream_flush(stream.stream, nullptr, nullptr));
        }
        unrefOperation(pa_stream_cork(stream.stream, 1, nullptr, nullptr));
    }
    stream.begun = false;
}

void PulseBackend::discard(Stream &stream)
{
    endPlayback(stream, Outcome::Failed);
    stream.closing = true;
}

void PulseBackend::closeDiscarded()
{
    std::vector<quint64> serials;
    for (const auto &entry : m_streams) {
        if (entry.second->closing) {
            serials.push_back(entry.first);
        }
    }
    for (quint64 serial : serials) {
        closeStream(serial);
    }
}

void PulseBackend::closeStream(quint64 serial)
{
    const auto found = m_streams.find(serial);
    if (found == m_streams.end()) {
        return;
    }
    Stream &stream = *found->second;
    endPlayback(stream, Outcome::Failed);
    if (stream.operation) {
        pa_operation_cancel(stream.operation);
        pa_operation_unref(stream.operation);
    }
    if (stream.stream) {
        pa_stream_set_state_callback(stream.stream, nullptr, nullptr);
        pa_stream_set_write_callback(stream.stream, nullptr, nullptr);
        if (PA_STREAM_IS_GOOD(pa_stream_get_state(stream.stream))) {
            pa_stream_disconnect(stream.stream);
        }
        pa_stream_unref(stream.stream);
    }
    m_streams.erase(found);
}
