// SPDX-License-Identifier: GPL-3.0-or-later
#include "waveoutbackend.h"

#include "samplevolume.h"

#include <QTimer>
#include <QWinEventNotifier>

#include <algorithm>
#include <cstdlib>

#include <windows.h>

#include <mmsystem.h> // needs windows.h first

// One sound on its own device.
struct WaveOutBackend::Playing
{
    HWAVEOUT device = nullptr;
    HANDLE event = nullptr;
    WAVEHDR header = {};
    bool prepared = false;
    QByteArray samples;
    std::unique_ptr<QWinEventNotifier> notifier;
    QString name;
    qint64 bytesPerSecond = 0;
    qint64 playedByNs = 0; // when the whole sound could have played since it was handed over
    qint64 audibleEndNs = 0;

    ~Playing()
    {
        if (notifier) {
            // Possibly inside its own signal: deleted once that has returned.
            notifier->setEnabled(false);
            notifier.release()->deleteLater();
        }
        if (device) {
            // Ends the sound at once and hands the buffer back, so that it can be let go.
            waveOutReset(device);
            if (prepared) {
                waveOutUnprepareHeader(device, &header, sizeof header);
            }
            waveOutClose(device);
        }
        if (event) {
            CloseHandle(event);
        }
    }
};

namespace {

// The device's position moves a period at a time (10 ms, Windows' and Wine's alike): an end that
// moved by less is that step, not a late server.
constexpr qint64 PositionStepNs = 10'000'000;

WAVEFORMATEX pcmFormat(int channels, int rate, int bits)
{
    WAVEFORMATEX format = {};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = WORD(channels);
    format.nSamplesPerSec = DWORD(rate);
    format.wBitsPerSample = WORD(bits);
    format.nBlockAlign = WORD(channels * bits / 8);
    format.nAvgBytesPerSec = format.nSamplesPerSec * format.nBlockAlign;
    return format;
}

} // namespace

WaveOutBackend::WaveOutBackend(const QString &directory, QObject *parent)
    : SoundBackend(directory, parent)
{
}

WaveOutBackend::~WaveOutBackend() = default;

void WaveOutBackend::stop(quint64 id)
{
    m_playing.erase(id);
}

void WaveOutBackend::play(const SoundRequest &request)
{
    if (tooLate(request)) {
        return; // the caller went on without it
    }
    const auto wav = load(request);
    if (!wav) {
        cannotPlay(request);
        return;
    }
    const WavInfo &info = wav->info;
    WAVEFORMATEX format = pcmFormat(info.channels, info.sampleRate, info.bitsPerSample);

    auto playing = std::make_unique<Playing>();
    playing->samples = samplesAtVolume(wav->samples, info.bitsPerSample, request.volumePercent);
    playing->event = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    const qint64 openingNs = monotonicNs();
    if (!playing->event
        || waveOutOpen(&playing->device, WAVE_MAPPER, &format, DWORD_PTR(playing->event), 0,
                       CALLBACK_EVENT)
            != MMSYSERR_NOERROR) {
        playing->device = nullptr;
        qCDebug(lcSound, "no output device for %s", qUtf8Printable(request.name));
        cannotPlay(request);
        return;
    }
    WAVEHDR &header = playing->header;
    header.lpData = playing->samples.data();
    header.dwBufferLength = DWORD(playing->samples.size());
    playing->prepared
        = waveOutPrepareHeader(playing->device, &header, sizeof header) == MMSYSERR_NOERROR;
    if (!playing->prepared || tooLate(request)
        || waveOutWrite(playing->device, &header, sizeof header) != MMSYSERR_NOERROR) {
        if (!tooLate(request)) {
            cannotPlay(request);
        }
        return;
    }
    const qint64 startedNs = monotonicNs();
    const qint64 endNs = startedNs + info.dataBytes * 1'000'000'000 / format.nAvgBytesPerSec;
    const quint64 id = request.id;
    playing->notifier = std::make_unique<QWinEventNotifier>(playing->event);
    connect(playing->notifier.get(), &QWinEventNotifier::activated, this,
            [this, id] { bufferDone(id); });
    playing->name = request.name;
    playing->bytesPerSecond = format.nAvgBytesPerSec;
    playing->playedByNs = endNs;
    playing->audibleEndNs = endNs;
    m_playing.emplace(id, std::move(playing));
    qCDebug(lcSound, "started %s, opening took %lld us", qUtf8Printable(request.name),
            (startedNs - openingNs) / 1000);
    Q_EMIT started(id, endNs);
    recheckBeforeEnd(id, endNs);
}

void WaveOutBackend::recheckBeforeEnd(quint64 id, qint64 endNs)
{
    const qint64 untilEndMs = (endNs - monotonicNs()) / 1'000'000;
    if (untilEndMs > RecheckBeforeMs) {
        QTimer::singleShot(untilEndMs - RecheckBeforeMs, this, [this, id] { recheck(id); });
    }
}

// The end was reckoned from the hand-over; the device's position says how much is still to be
// heard, so a server that started the sound late, or fell behind, puts the end later. Never
// earlier than the whole sound could have played, nor long after.
void WaveOutBackend::recheck(quint64 id)
{
    const auto found = m_playing.find(id);
    if (found == m_playing.end()) {
        return;
    }
    Playing &playing = *found->second;
    MMTIME position = {};
    position.wType = TIME_BYTES;
    if (waveOutGetPosition(playing.device, &position, sizeof position) != MMSYSERR_NOERROR
        || position.wType != TIME_BYTES) {
        return;
    }
    const qint64 left = std::max<qint64>(0, qint64(playing.header.dwBufferLength) - position.u.cb);
    const qint64 endNs
        = std::clamp(monotonicNs() + left * 1'000'000'000 / playing.bytesPerSecond,
                     playing.playedByNs, playing.playedByNs + MostLatencyMs * 1'000'000);
    if (std::abs(endNs - playing.audibleEndNs) <= PositionStepNs) {
        return;
    }
    qCDebug(lcSound, "moved %s, %lld us ahead of its end", qUtf8Printable(playing.name),
            (endNs - monotonicNs()) / 1000);
    playing.audibleEndNs = endNs;
    Q_EMIT started(id, endNs);
    recheckBeforeEnd(id, endNs);
}

// The event also marks the device's opening; only the buffer handed back lets the device go. It
// is no measure of when the sound was heard: under Wine it comes 250 to 400 ms after a
// 677 ms sound's last sample was due, so the end stays the one reckoned from the position.
void WaveOutBackend::bufferDone(quint64 id)
{
    const auto found = m_playing.find(id);
    if (found != m_playing.end() && (found->second->header.dwFlags & WHDR_DONE)) {
        m_playing.erase(found);
    }
}

// The first device opened in a process takes Windows (and Wine) hundreds of milliseconds, later
// ones a few tens: that first one is opened here, ahead of the first call.
void WaveOutBackend::preload(const QStringList &names, const QStringList &folders)
{
    SoundBackend::preload(names, folders);
    WAVEFORMATEX format = pcmFormat(1, 22050, 16);
    HWAVEOUT device = nullptr;
    if (waveOutOpen(&device, WAVE_MAPPER, &format, 0, 0, CALLBACK_NULL) == MMSYSERR_NOERROR) {
        waveOutClose(device);
    }
}
