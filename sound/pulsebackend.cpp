// SPDX-License-Identifier: GPL-3.0-or-later
#include "pulsebackend.h"

#include "defaultsound.h"

#include <QLoggingCategory>
#include <QTimer>

#include <pulse/context.h>
#include <pulse/error.h>
#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>

#include <algorithm>
#include <vector>

Q_DECLARE_LOGGING_CATEGORY(lcSound)

namespace {

// A stream still playing this long after its last sample was due has a stalled server.
constexpr qint64 DrainGraceMs = 2000;

class MainloopLocker
{
public:
    explicit MainloopLocker(pa_threaded_mainloop *mainloop)
        : m_mainloop(mainloop)
    {
        pa_threaded_mainloop_lock(m_mainloop);
    }
    ~MainloopLocker() { pa_threaded_mainloop_unlock(m_mainloop); }
    MainloopLocker(const MainloopLocker &) = delete;
    MainloopLocker &operator=(const MainloopLocker &) = delete;

private:
    pa_threaded_mainloop *m_mainloop;
};

bool tooLate(const SoundRequest &request)
{
    return request.startByNs != 0 && monotonicNs() > request.startByNs;
}

} // namespace

PulseBackend::PulseBackend(const QString &directory, int readyWithinMs, QObject *parent)
    : SoundBackend(parent)
    , m_directory(directory)
    , m_readyWithinMs(readyWithinMs)
{
}

PulseBackend::~PulseBackend()
{
    if (!m_mainloop) {
        return;
    }
    // Once its thread has stopped, nothing else touches the connection: no lock is needed.
    pa_threaded_mainloop_stop(m_mainloop);
    dropContext();
    m_ended.clear();
    pa_threaded_mainloop_free(m_mainloop);
}

void PulseBackend::preload(const QStringList &names)
{
    for (const QString &name : names) {
        load(name);
    }
    // Connects now rather than at the first call.
    if (ensureMainloop()) {
        MainloopLocker locker(m_mainloop);
        ensureContext();
    }
}

const WavSound *PulseBackend::load(const QString &name)
{
    auto found = m_loaded.constFind(name);
    if (found != m_loaded.constEnd()) {
        return &found.value();
    }
    auto wav = loadWav(m_directory + name);
    if (!wav) {
        return nullptr; // not remembered: a file put back later is played then
    }
    return &m_loaded.insert(name, std::move(*wav)).value();
}

bool PulseBackend::ensureMainloop()
{
    if (m_mainloop) {
        return true;
    }
    m_mainloop = pa_threaded_mainloop_new();
    if (m_mainloop && pa_threaded_mainloop_start(m_mainloop) < 0) {
        pa_threaded_mainloop_free(m_mainloop);
        m_mainloop = nullptr;
    }
    return m_mainloop != nullptr;
}

bool PulseBackend::ensureContext()
{
    if (m_context) {
        if (PA_CONTEXT_IS_GOOD(pa_context_get_state(m_context))) {
            return true;
        }
        dropContext();
    }
    m_context = pa_context_new(pa_threaded_mainloop_get_api(m_mainloop), "Limbora");
    if (!m_context) {
        return false;
    }
    const quint64 generation = ++m_contextGeneration;
    pa_context_set_state_callback(m_context, &PulseBackend::contextStateCallback, this);
    // Never starts a server of its own: that would be waited for.
    if (pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        dropContext();
        return false;
    }
    QTimer::singleShot(m_readyWithinMs, this, [this, generation] {
        {
            MainloopLocker locker(m_mainloop);
            if (m_context && generation == m_contextGeneration
                && pa_context_get_state(m_context) != PA_CONTEXT_READY) {
                qCDebug(lcSound, "the audio server did not answer in time");
                dropContext();
            }
        }
        reportEnded();
    });
    return true;
}

void PulseBackend::dropContext()
{
    std::vector<quint64> ids;
    ids.reserve(m_playing.size());
    for (const auto &entry : m_playing) {
        ids.push_back(entry.first);
    }
    for (quint64 id : ids) {
        finish(id, false);
    }
    if (m_context) {
        pa_context_set_state_callback(m_context, nullptr, nullptr);
        pa_context_disconnect(m_context);
        pa_context_unref(m_context);
        m_context = nullptr;
    }
}

void PulseBackend::play(const SoundRequest &request)
{
    if (tooLate(request)) {
        return; // the caller went on without it
    }
    const WavSound *sound = load(request.name);
    if (!sound || !ensureMainloop()) {
        cannotPlay(request);
        return;
    }
    {
        MainloopLocker locker(m_mainloop);
        finish(request.id, false); // ids are unique; a repeated one replaces the old sound
        if (ensureContext()) {
            auto playback = std::make_unique<Playback>();
            playback->owner = this;
            playback->request = request;
            playback->sound = *sound;
            Playback &added
                = *m_playing.insert_or_assign(request.id, std::move(playback)).first->second;
            if (pa_context_get_state(m_context) == PA_CONTEXT_READY) {
                openStream(added);
            }
        } else {
            m_ended.push_back({request, false});
        }
    }
    reportEnded();

    qint64 readyWithinMs = m_readyWithinMs;
    if (request.startByNs != 0) {
        readyWithinMs = std::clamp<qint64>((request.startByNs - monotonicNs()) / 1'000'000 + 1, 0,
                                           m_readyWithinMs);
    }
    const quint64 id = request.id;
    QTimer::singleShot(readyWithinMs, this, [this, id] {
        {
            MainloopLocker locker(m_mainloop);
            auto found = m_playing.find(id);
            if (found != m_playing.end() && !found->second->started) {
                // A server this slow is not trusted with the next sound either.
                qCDebug(lcSound, "%s did not start in time",
                        qUtf8Printable(found->second->request.name));
                dropContext();
            }
        }
        reportEnded();
    });
}

void PulseBackend::openStream(Playback &playback)
{
    const WavInfo &info = playback.sound.info;
    pa_sample_spec sampleFormat;
    sampleFormat.format = info.bitsPerSample == 8 ? PA_SAMPLE_U8 : PA_SAMPLE_S16LE;
    sampleFormat.rate = static_cast<uint32_t>(info.sampleRate);
    sampleFormat.channels = static_cast<uint8_t>(info.channels);
    playback.stream = pa_stream_new(m_context, "Limbora", &sampleFormat, nullptr);
    if (!playback.stream) {
        finish(playback.request.id, false);
        return;
    }
    pa_stream_set_state_callback(playback.stream, &PulseBackend::streamStateCallback, &playback);
    pa_stream_set_write_callback(playback.stream, &PulseBackend::streamWriteCallback, &playback);
    // A buffer that holds the whole sound: it is written at once and plays from the server's
    // side, and nothing here wakes up to feed it. Playback starts once it is all there.
    pa_buffer_attr attributes;
    attributes.maxlength = static_cast<uint32_t>(-1);
    attributes.tlength = static_cast<uint32_t>(playback.sound.samples.size());
    attributes.prebuf = static_cast<uint32_t>(-1);
    attributes.minreq = static_cast<uint32_t>(-1);
    attributes.fragsize = static_cast<uint32_t>(-1);
    if (pa_stream_connect_playback(playback.stream, nullptr, &attributes,
                                   PA_STREAM_INTERPOLATE_TIMING, nullptr, nullptr)
        < 0) {
        finish(playback.request.id, false);
    }
}

void PulseBackend::feed(Playback &playback)
{
    const QByteArray &samples = playback.sound.samples;
    if (playback.written >= samples.size()) {
        return;
    }
    const size_t writable = pa_stream_writable_size(playback.stream);
    if (writable == static_cast<size_t>(-1)) {
        finish(playback.request.id, false);
        return;
    }
    const qint64 count
        = std::min<qint64>(static_cast<qint64>(writable), samples.size() - playback.written);
    if (count <= 0) {
        return;
    }
    if (pa_stream_write(playback.stream, samples.constData() + playback.written,
                        static_cast<size_t>(count), nullptr, 0, PA_SEEK_RELATIVE)
        < 0) {
        finish(playback.request.id, false);
        return;
    }
    playback.written += count;
    if (playback.written < samples.size()) {
        return; // a server that keeps less than asked for asks for the rest
    }
    pa_stream_set_write_callback(playback.stream, nullptr, nullptr);
    // A sound shorter than the server's least buffer would otherwise wait for more.
    if (pa_operation *trigger = pa_stream_trigger(playback.stream, nullptr, nullptr)) {
        pa_operation_unref(trigger);
    }
    // The server's answer tells how much lies ahead of the last sample, its own delay included.
    playback.operation
        = pa_stream_update_timing_info(playback.stream, &PulseBackend::timingCallback, &playback);
    if (!playback.operation) {
        finish(playback.request.id, false);
    }
}

void PulseBackend::onContextChanged(quint64 generation)
{
    {
        MainloopLocker locker(m_mainloop);
        if (!m_context || generation != m_contextGeneration) {
            return;
        }
        const pa_context_state_t state = pa_context_get_state(m_context);
        if (state == PA_CONTEXT_READY) {
            // Opening a stream may drop it from the list: walk a copy of the waiting ones.
            std::vector<Playback *> waiting;
            for (auto &entry : m_playing) {
                if (!entry.second->stream) {
                    waiting.push_back(entry.second.get());
                }
            }
            for (Playback *playback : waiting) {
                openStream(*playback);
            }
        } else if (!PA_CONTEXT_IS_GOOD(state)) {
            // Gone or refused: the next sound connects again, to whatever server is there then.
            qCDebug(lcSound, "the audio server connection ended: %s",
                    pa_strerror(pa_context_errno(m_context)));
            dropContext();
        }
    }
    reportEnded();
}

void PulseBackend::onStreamChanged(quint64 id)
{
    {
        MainloopLocker locker(m_mainloop);
        auto found = m_playing.find(id);
        if (found == m_playing.end()) {
            return;
        }
        Playback &playback = *found->second;
        const pa_stream_state_t state = pa_stream_get_state(playback.stream);
        if (state == PA_STREAM_READY) {
            feed(playback);
        } else if (!PA_STREAM_IS_GOOD(state)) {
            finish(id, false);
        }
    }
    reportEnded();
}

void PulseBackend::onWritable(quint64 id)
{
    {
        MainloopLocker locker(m_mainloop);
        auto found = m_playing.find(id);
        if (found != m_playing.end()
            && pa_stream_get_state(found->second->stream) == PA_STREAM_READY) {
            feed(*found->second);
        }
    }
    reportEnded();
}

void PulseBackend::onTimed(quint64 id)
{
    {
        MainloopLocker locker(m_mainloop);
        auto found = m_playing.find(id);
        if (found == m_playing.end()) {
            return;
        }
        Playback &playback = *found->second;
        pa_operation_unref(playback.operation);
        playback.operation = nullptr;
        pa_usec_t latencyUs = 0;
        int negative = 0;
        if (pa_stream_get_latency(playback.stream, &latencyUs, &negative) < 0) {
            finish(id, false);
        } else {
            const qint64 latencyNs = static_cast<qint64>(latencyUs) * 1000 * (negative ? -1 : 1);
            playback.started = true;
            qCDebug(lcSound, "started %s, %lld us ahead of its end",
                    qUtf8Printable(playback.request.name), latencyNs / 1000);
            Q_EMIT started(id, monotonicNs() + latencyNs);
            // Drained once the server has played it all; then the stream is closed.
            playback.operation
                = pa_stream_drain(playback.stream, &PulseBackend::drainCallback, &playback);
            QTimer::singleShot(latencyNs / 1'000'000 + DrainGraceMs, this, [this, id] {
                {
                    MainloopLocker locker(m_mainloop);
                    if (m_playing.count(id) != 0) {
                        qCDebug(lcSound, "the audio server stopped playing");
                        dropContext();
                    }
                }
                reportEnded();
            });
        }
    }
    reportEnded();
}

void PulseBackend::onDrained(quint64 id)
{
    {
        MainloopLocker locker(m_mainloop);
        finish(id, true);
    }
    reportEnded();
}

void PulseBackend::finish(quint64 id, bool heard)
{
    auto found = m_playing.find(id);
    if (found == m_playing.end()) {
        return;
    }
    Playback &playback = *found->second;
    if (!heard) {
        m_ended.push_back({playback.request, playback.started});
    }
    if (playback.operation) {
        pa_operation_cancel(playback.operation);
        pa_operation_unref(playback.operation);
    }
    if (playback.stream) {
        pa_stream_set_state_callback(playback.stream, nullptr, nullptr);
        pa_stream_set_write_callback(playback.stream, nullptr, nullptr);
        if (PA_STREAM_IS_GOOD(pa_stream_get_state(playback.stream))) {
            pa_stream_disconnect(playback.stream);
        }
        pa_stream_unref(playback.stream);
    }
    m_playing.erase(found);
}

void PulseBackend::reportEnded()
{
    std::vector<Ended> ended;
    ended.swap(m_ended);
    for (const Ended &sound : ended) {
        if (sound.started) {
            if (sound.request.wait) {
                Q_EMIT failed(sound.request.id); // the rest will not be heard: the wait ends now
            }
        } else if (!tooLate(sound.request)) {
            cannotPlay(sound.request);
        }
    }
}

void PulseBackend::cannotPlay(const SoundRequest &request)
{
    if (!request.wait && playDefaultSound()) {
        return;
    }
    Q_EMIT failed(request.id);
}

// libpulse calls these on its own thread, holding the lock; they only pass the news on.

void PulseBackend::contextStateCallback(pa_context *, void *userdata)
{
    auto *self = static_cast<PulseBackend *>(userdata);
    QMetaObject::invokeMethod(
        self,
        [self, generation = self->m_contextGeneration] { self->onContextChanged(generation); },
        Qt::QueuedConnection);
}

void PulseBackend::streamStateCallback(pa_stream *, void *userdata)
{
    const auto *playback = static_cast<Playback *>(userdata);
    QMetaObject::invokeMethod(
        playback->owner,
        [self = playback->owner, id = playback->request.id] { self->onStreamChanged(id); },
        Qt::QueuedConnection);
}

void PulseBackend::streamWriteCallback(pa_stream *, size_t, void *userdata)
{
    const auto *playback = static_cast<Playback *>(userdata);
    QMetaObject::invokeMethod(
        playback->owner,
        [self = playback->owner, id = playback->request.id] { self->onWritable(id); },
        Qt::QueuedConnection);
}

void PulseBackend::timingCallback(pa_stream *, int, void *userdata)
{
    const auto *playback = static_cast<Playback *>(userdata);
    QMetaObject::invokeMethod(
        playback->owner, [self = playback->owner, id = playback->request.id] { self->onTimed(id); },
        Qt::QueuedConnection);
}

void PulseBackend::drainCallback(pa_stream *, int, void *userdata)
{
    const auto *playback = static_cast<Playback *>(userdata);
    QMetaObject::invokeMethod(
        playback->owner,
        [self = playback->owner, id = playback->request.id] { self->onDrained(id); },
        Qt::QueuedConnection);
}
