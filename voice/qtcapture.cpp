// SPDX-License-Identifier: GPL-3.0-or-later
#include "voicecapture.h"

#include <QAudioDevice>
#include <QAudioSource>
#include <QIODevice>
#include <QMediaDevices>

namespace {

// Qt Multimedia's input, where there is no libpulse: the default device, read as it fills.
class QtCapture : public VoiceCapture
{
public:
    explicit QtCapture(QObject *parent)
        : VoiceCapture(parent)
    {
    }

    ~QtCapture() override { close(); }

protected:
    void open() override
    {
        close();
        const QAudioDevice device = QMediaDevices::defaultAudioInput();
        if (device.isNull()) {
            QMetaObject::invokeMethod(
                this, [this] { fail(Failure::NoInput); }, Qt::QueuedConnection);
            return;
        }
        QAudioFormat format;
        format.setSampleRate(m_rate);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Float);
        if (!device.isFormatSupported(format)) {
            format = device.preferredFormat();
            format.setSampleFormat(QAudioFormat::Float);
        }
        m_rate = format.sampleRate();
        m_channels = format.channelCount();
        m_source = new QAudioSource(device, format, this);
        connect(m_source, &QAudioSource::stateChanged, this, [this](QAudio::State) {
            if (m_source && m_source->error() != QAudio::NoError) {
                fail(m_source->error() == QAudio::OpenError ? Failure::Denied : Failure::Lost);
            }
        });
        m_device = m_source->start();
        if (!m_device) {
            QMetaObject::invokeMethod(
                this, [this] { fail(Failure::NoInput); }, Qt::QueuedConnection);
            return;
        }
        connect(m_device, &QIODevice::readyRead, this, [this] {
            const QByteArray bytes = m_device->readAll();
            const auto *values = reinterpret_cast<const float *>(bytes.constData());
            const qsizetype frames = bytes.size() / qsizetype(sizeof(float)) / m_channels;
            std::vector<float> samples(size_t(frames), 0.0f);
            for (qsizetype i = 0; i < frames; ++i) {
                for (int c = 0; c < m_channels; ++c) {
                    samples[size_t(i)] += values[i * m_channels + c] / float(m_channels);
                }
            }
            received(samples);
        });
    }

    void close() override
    {
        if (m_source) {
            m_source->disconnect(this);
            if (m_device) {
                m_device->disconnect(this);
            }
            m_source->stop();
            m_source->deleteLater();
        }
        m_source = nullptr;
        m_device = nullptr;
    }

private:
    QAudioSource *m_source = nullptr;
    QIODevice *m_device = nullptr;
    int m_channels = 1;
};

} // namespace

std::unique_ptr<VoiceCapture> makeVoiceCapture(QObject *parent)
{
    return std::make_unique<QtCapture>(parent);
}
