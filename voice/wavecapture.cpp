// SPDX-License-Identifier: GPL-3.0-or-later
#include "voicecapture.h"

#include <QWinEventNotifier>

#include <array>

#include <windows.h>

#include <mmsystem.h> // needs windows.h first

namespace {

// Windows' waveIn on the default input, mono 16-bit, a few short buffers going round: each one
// filled is signalled through an event that a QWinEventNotifier watches on this thread, read and
// handed back.
class WaveCapture : public VoiceCapture
{
public:
    static constexpr int BufferMs = 50;

    explicit WaveCapture(QObject *parent)
        : VoiceCapture(parent)
    {
    }

    ~WaveCapture() override { close(); }

protected:
    void open() override
    {
        close();
        WAVEFORMATEX format = {};
        format.wFormatTag = WAVE_FORMAT_PCM;
        format.nChannels = 1;
        format.nSamplesPerSec = DWORD(m_rate);
        format.wBitsPerSample = 16;
        format.nBlockAlign = 2;
        format.nAvgBytesPerSec = format.nSamplesPerSec * format.nBlockAlign;
        m_event = CreateEventW(nullptr, FALSE, FALSE, nullptr);
        const MMRESULT opened = m_event
            ? waveInOpen(&m_device, WAVE_MAPPER, &format, DWORD_PTR(m_event), 0, CALLBACK_EVENT)
            : MMRESULT(MMSYSERR_NOMEM);
        if (opened != MMSYSERR_NOERROR) {
            m_device = nullptr;
            // No device, or none free; anything else is the system keeping the microphone.
            const bool noDevice = opened == MMSYSERR_BADDEVICEID || opened == MMSYSERR_NODRIVER
                || opened == MMSYSERR_ALLOCATED || opened == WAVERR_BADFORMAT;
            close();
            QMetaObject::invokeMethod(
                this, [this, noDevice] { fail(noDevice ? Failure::NoInput : Failure::Denied); },
                Qt::QueuedConnection);
            return;
        }
        const int bytes = m_rate * BufferMs / 1000 * 2;
        for (Buffer &buffer : m_buffers) {
            buffer.samples.resize(qsizetype(bytes));
            buffer.header = {};
            buffer.header.lpData = buffer.samples.data();
            buffer.header.dwBufferLength = DWORD(bytes);
            buffer.prepared = waveInPrepareHeader(m_device, &buffer.header, sizeof buffer.header)
                    == MMSYSERR_NOERROR
                && waveInAddBuffer(m_device, &buffer.header, sizeof buffer.header)
                    == MMSYSERR_NOERROR;
        }
        m_notifier = new QWinEventNotifier(m_event, this);
        connect(m_notifier, &QWinEventNotifier::activated, this, [this] { collect(); });
        if (waveInStart(m_device) != MMSYSERR_NOERROR) {
            close();
            QMetaObject::invokeMethod(
                this, [this] { fail(Failure::Lost); }, Qt::QueuedConnection);
        }
    }

    void close() override
    {
        if (m_notifier) {
            // Possibly inside its own signal: deleted once that has returned.
            m_notifier->setEnabled(false);
            m_notifier->deleteLater();
            m_notifier = nullptr;
        }
        if (m_device) {
            waveInReset(m_device); // hands every buffer back at once
            for (Buffer &buffer : m_buffers) {
                if (buffer.prepared) {
                    waveInUnprepareHeader(m_device, &buffer.header, sizeof buffer.header);
                    buffer.prepared = false;
                }
            }
            waveInClose(m_device);
            m_device = nullptr;
        }
        if (m_event) {
            CloseHandle(m_event);
            m_event = nullptr;
        }
    }

private:
    struct Buffer
    {
        WAVEHDR header = {};
        QByteArray samples;
        bool prepared = false;
    };

    void collect()
    {
        for (Buffer &buffer : m_buffers) {
            if (!m_device || !buffer.prepared || !(buffer.header.dwFlags & WHDR_DONE)) {
                continue;
            }
            const auto *values = reinterpret_cast<const qint16 *>(buffer.samples.constData());
            std::vector<float> samples(buffer.header.dwBytesRecorded / 2);
            for (size_t i = 0; i < samples.size(); ++i) {
                samples[i] = float(values[i]) / 32768.0f;
            }
            buffer.header.dwFlags &= ~DWORD(WHDR_DONE);
            if (waveInAddBuffer(m_device, &buffer.header, sizeof buffer.header)
                != MMSYSERR_NOERROR) {
                buffer.prepared = false;
            }
            received(samples); // may end the take, and close the device
        }
    }

    HWAVEIN m_device = nullptr;
    HANDLE m_event = nullptr;
    QWinEventNotifier *m_notifier = nullptr;
    std::array<Buffer, 4> m_buffers;
};

} // namespace

std::unique_ptr<VoiceCapture> makeVoiceCapture(QObject *parent)
{
    return std::make_unique<WaveCapture>(parent);
}
