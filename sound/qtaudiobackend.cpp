// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtaudiobackend.h"

#include "defaultsound.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QLoggingCategory>
#include <QMediaDevices>
#include <QPointer>
#include <QTimer>

#include <chrono>

Q_LOGGING_CATEGORY(lcSound, "limbora.sound", QtWarningMsg)

namespace {

constexpr int TrailingSilenceMs = 300;

} // namespace

qint64 monotonicNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

QtAudioBackend::QtAudioBackend(const QString &directory, QObject *parent)
    : SoundBackend(parent)
    , m_directory(directory)
{
}

void QtAudioBackend::preload(const QStringList &names)
{
    for (const QString &name : names) {
        load(name);
    }
    // Connects to the audio server now rather than at the first call.
    QMediaDevices::defaultAudioOutput();
}

const QtAudioBackend::Loaded *QtAudioBackend::load(const QString &name)
{
    auto found = m_loaded.constFind(name);
    if (found != m_loaded.constEnd()) {
        return &found.value();
    }
    const auto wav = loadWav(m_directory + name);
    if (!wav) {
        return nullptr; // not remembered: a file put back later is played then
    }
    const WavInfo &info = wav->info;
    Loaded loaded;
    loaded.format.setSampleRate(info.sampleRate);
    loaded.format.setChannelCount(info.channels);
    loaded.format.setSampleFormat(info.bitsPerSample == 8 ? QAudioFormat::UInt8
                                                          : QAudioFormat::Int16);
    loaded.lengthNs = info.dataBytes * 1'000'000'000 / loaded.format.bytesForDuration(1'000'000);
    const qsizetype silence = loaded.format.bytesForDuration(TrailingSilenceMs * 1000);
    loaded.samples = wav->samples + QByteArray(silence, info.bitsPerSample == 8 ? '\x80' : '\0');
    return &m_loaded.insert(name, loaded).value();
}

void QtAudioBackend::cannotPlay(const SoundRequest &request)
{
    if (!request.wait && playDefaultSound()) {
        return;
    }
    Q_EMIT failed(request.id);
}

void QtAudioBackend::play(const SoundRequest &request)
{
    const auto tooLate = [&request] {
        return request.startByNs != 0 && monotonicNs() > request.startByNs;
    };
    if (tooLate()) {
        return; // the caller went on without it
    }
    const Loaded *sound = load(request.name);
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (!sound || device.isNull()) {
        cannotPlay(request);
        return;
    }

    auto *sink = new QAudioSink(device, sound->format, this);
    const auto release = [this, sink] {
        disconnect(sink, nullptr, this, nullptr);
        sink->stop();
        sink->deleteLater();
    };
    // The whole sound is handed over at once, into a buffer made to hold it: the stream then
    // plays from the server's side, and nothing here wakes up to feed it.
    sink->setBufferSize(sound->samples.size());
    const qint64 openingNs = monotonicNs();
    QIODevice *input = sink->start();
    const qint64 startedNs = monotonicNs();
    const qint64 written = input ? input->write(sound->samples) : -1;
    if (written <= 0 || sink->state() == QAudio::StoppedState || tooLate()) {
        release();
        if (!tooLate()) {
            cannotPlay(request);
        }
        return;
    }
    QPointer<QTimer> feeder;
    if (written < sound->samples.size()) {
        // A server that keeps less than asked for gets the rest as it makes room.
        feeder = new QTimer(sink);
        connect(feeder, &QTimer::timeout, sink,
                [feeder, input, rest = sound->samples.mid(written)]() mutable {
                    rest.remove(0, std::max<qint64>(0, input->write(rest)));
                    if (rest.isEmpty()) {
                        feeder->deleteLater();
                    }
                });
        feeder->start(20);
    }
    const quint64 id = request.id;
    const bool wait = request.wait;
    connect(sink, &QAudioSink::stateChanged, this,
            [this, id, wait, release, feeder](QAudio::State state) {
                // Idle once the server has played it all, the silence included (or for a moment,
                // while the rest is still being fed); Stopped when the stream failed.
                if (state == QAudio::StoppedState) {
                    if (wait) {
                        Q_EMIT failed(id); // the rest will not be heard: the wait ends now
                    }
                    release();
                } else if (state == QAudio::IdleState && !feeder) {
                    release();
                }
            });
    // A stream that never reports running dry would keep its feeding timer running for good, a
    // little more work at every call: it is closed once its silence has surely been played.
    const qint64 closeAfterMs = sound->lengthNs / 1'000'000 + TrailingSilenceMs + 1000;
    QTimer::singleShot(closeAfterMs, sink, release);
    qCDebug(lcSound, "started %s, opening took %lld us", qUtf8Printable(request.name),
            (startedNs - openingNs) / 1000);
    Q_EMIT started(id, startedNs + FirstSampleHeardMs * 1'000'000 + sound->lengthNs);
}
