// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtaudiobackend.h"

#include <QAudio>
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <QPointer>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int TrailingSilenceMs = 300;

} // namespace

float linearVolume(int percent)
{
    return float(volumeGain(percent));
}

QtAudioBackend::QtAudioBackend(const QString &directory, QObject *parent)
    : SoundBackend(directory, parent)
{
}

void QtAudioBackend::preload(const QStringList &names, const QStringList &folders)
{
    SoundBackend::preload(names, folders);
    // Connects to the audio server now rather than at the first call.
    QMediaDevices::defaultAudioOutput();
}

void QtAudioBackend::stop(quint64 id)
{
    if (QAudioSink *sink = m_playing.take(id)) {
        disconnect(sink, nullptr, this, nullptr);
        sink->stop();
        sink->deleteLater();
    }
}

void QtAudioBackend::play(const SoundRequest &request)
{
    if (tooLate(request)) {
        return; // the caller went on without it
    }
    const auto wav = load(request);
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (!wav || device.isNull()) {
        cannotPlay(request);
        return;
    }
    const WavInfo &info = wav->info;
    QAudioFormat format;
    format.setSampleRate(info.sampleRate);
    format.setChannelCount(info.channels);
    format.setSampleFormat(info.bitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    const qint64 lengthNs = info.dataBytes * 1'000'000'000 / format.bytesForDuration(1'000'000);
    const QByteArray samples = wav->samples
        + QByteArray(format.bytesForDuration(TrailingSilenceMs * 1000),
                     info.bitsPerSample == 8 ? '\x80' : '\0');

    const quint64 id = request.id;
    auto *sink = new QAudioSink(device, format, this);
    m_playing.insert(id, sink);
    const auto release = [this, id] {
        stop(id);
    };
    sink->setVolume(linearVolume(request.volumePercent));
    // The whole sound is handed over at once, into a buffer made to hold it: the stream then
    // plays from the server's side, and nothing here wakes up to feed it.
    sink->setBufferSize(samples.size());
    const qint64 openingNs = monotonicNs();
    QIODevice *input = sink->start();
    const qint64 startedNs = monotonicNs();
    const qint64 written = input ? input->write(samples) : -1;
    if (written <= 0 || sink->state() == QAudio::StoppedState || tooLate(request)) {
        release();
        if (!tooLate(request)) {
            cannotPlay(request);
        }
        return;
    }
    QPointer<QTimer> feeder;
    if (written < samples.size()) {
        // A server that keeps less than asked for gets the rest as it makes room.
        feeder = new QTimer(sink);
        connect(feeder, &QTimer::timeout, sink,
                [feeder, input, rest = samples.mid(written)]() mutable {
                    rest.remove(0, std::max<qint64>(0, input->write(rest)));
                    if (rest.isEmpty()) {
                        feeder->deleteLater();
                    }
                });
        feeder->start(20);
    }
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
    const qint64 closeAfterMs = lengthNs / 1'000'000 + TrailingSilenceMs + 1000;
    QTimer::singleShot(closeAfterMs, sink, release);
    qCDebug(lcSound, "started %s, opening took %lld us", qUtf8Printable(request.name),
            (startedNs - openingNs) / 1000);
    Q_EMIT started(id, startedNs + FirstSampleHeardMs * 1'000'000 + lengthNs);
}
