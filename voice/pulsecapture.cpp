// SPDX-License-Identifier: GPL-3.0-or-later
#include "voicecapture.h"

#include "pulseconnection.h"

#include <QMetaObject>

#include <pulse/pulseaudio.h>

namespace {

// A connection of its own for each take. The stream's callbacks run on libpulse's thread; they
// copy what they get and post it to the capture's thread through the connection, so nothing
// here ever waits on the server, and nothing of a take comes after it was closed.
class PulseCapture : public VoiceCapture
{
public:
    explicit PulseCapture(QObject *parent)
        : VoiceCapture(parent)
    {
    }

    ~PulseCapture() override { close(); }

protected:
    void open() override
    {
        close();
        // A server that never answers is told as any input that never goes live.
        m_connection = std::make_unique<PulseConnection>(LiveWithinMs);
        connect(m_connection.get(), &PulseConnection::ready, this, [this] {
            PulseConnection::Locker lock(*m_connection);
            openStream();
        });
        connect(m_connection.get(), &PulseConnection::aboutToClose, this,
                [this] { closeStream(); });
        connect(m_connection.get(), &PulseConnection::ended, this,
                [this](PulseConnection::End end) {
                    switch (end) {
                    case PulseConnection::End::Refused:
                        fail(Failure::NoServer);
                        break;
                    case PulseConnection::End::NotInTime:
                        fail(Failure::NoInput);
                        break;
                    case PulseConnection::End::WentAway:
                        fail(Failure::Lost);
                        break;
                    }
                });
        if (!m_connection->open()) {
            QMetaObject::invokeMethod(
                this, [this] { fail(Failure::NoServer); }, Qt::QueuedConnection);
        }
    }

    void close() override
    {
        if (m_connection) {
            m_connection->close();
            m_connection.reset(); // the loop only polls: it stops at once
        }
    }

private:
    template<typename Function>
    void post(Function function)
    {
        m_connection->post([this, function = std::move(function)] { function(this); });
    }

    static Failure failureOf(int error)
    {
        switch (error) {
        case PA_ERR_ACCESS:
        case PA_ERR_AUTHKEY:
            return Failure::Denied;
        case PA_ERR_NOENTITY:
        case PA_ERR_NOTSUPPORTED:
        case PA_ERR_INVALID:
            return Failure::NoInput;
        default:
            return Failure::NoServer;
        }
    }

    void openStream()
    {
        const pa_sample_spec sample{PA_SAMPLE_FLOAT32NE, uint32_t(m_rate), 1};
        m_stream = pa_stream_new(m_connection->context(), "Limbora voice", &sample, nullptr);
        if (!m_stream) {
            post([](PulseCapture *self) { self->fail(Failure::NoInput); });
            return;
        }
        pa_stream_set_state_callback(m_stream, &PulseCapture::streamChanged, this);
        pa_stream_set_read_callback(m_stream, &PulseCapture::readable, this);
        pa_buffer_attr attributes{};
        attributes.maxlength = uint32_t(-1);
        attributes.fragsize = uint32_t(m_rate / 50 * sizeof(float)); // 20 ms
        if (pa_stream_connect_record(m_stream, nullptr, &attributes, PA_STREAM_ADJUST_LATENCY)
            < 0) {
            const Failure failure = failureOf(pa_context_errno(m_connection->context()));
            post([failure](PulseCapture *self) { self->fail(failure); });
        }
    }

    void closeStream()
    {
        if (m_stream) {
            pa_stream_set_state_callback(m_stream, nullptr, nullptr);
            pa_stream_set_read_callback(m_stream, nullptr, nullptr);
            pa_stream_disconnect(m_stream);
            pa_stream_unref(m_stream);
            m_stream = nullptr;
        }
    }

    static void streamChanged(pa_stream *stream, void *userdata)
    {
        auto *self = static_cast<PulseCapture *>(userdata);
        if (pa_stream_get_state(stream) == PA_STREAM_FAILED) {
            const Failure failure = failureOf(pa_context_errno(pa_stream_get_context(stream)));
            self->post([failure](PulseCapture *capture) { capture->fail(failure); });
        }
    }

    static void readable(pa_stream *stream, size_t, void *userdata)
    {
        auto *self = static_cast<PulseCapture *>(userdata);
        std::vector<float> samples;
        const void *data = nullptr;
        size_t bytes = 0;
        while (pa_stream_readable_size(stream) > 0 && pa_stream_peek(stream, &data, &bytes) == 0
               && bytes > 0) {
            const size_t count = bytes / sizeof(float);
            if (data) {
                const auto *values = static_cast<const float *>(data);
                samples.insert(samples.end(), values, values + count);
            } else {
                samples.insert(samples.end(), count, 0.0f); // a hole in the stream
            }
            pa_stream_drop(stream);
        }
        if (!samples.empty()) {
            self->post([samples = std::move(samples)](PulseCapture *capture) {
                capture->received(samples);
            });
        }
    }

    std::unique_ptr<PulseConnection> m_connection;
    pa_stream *m_stream = nullptr;
};

} // namespace

std::unique_ptr<VoiceCapture> makeVoiceCapture(QObject *parent)
{
    return std::make_unique<PulseCapture>(parent);
}
