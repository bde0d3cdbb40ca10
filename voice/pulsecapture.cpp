// SPDX-License-Identifier: GPL-3.0-or-later
#include "voicecapture.h"

#include <QMetaObject>
#include <QPointer>

#include <pulse/pulseaudio.h>

namespace {

// libpulse's threaded mainloop runs the callbacks on a thread of its own; they copy what they
// get and post it to the capture's thread, so nothing here ever waits on the server.
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
        m_loop = pa_threaded_mainloop_new();
        if (!m_loop) {
            post([](PulseCapture *self) { self->fail(Failure::NoServer); });
            return;
        }
        pa_threaded_mainloop_lock(m_loop);
        m_context = pa_context_new(pa_threaded_mainloop_get_api(m_loop), "Limbora");
        if (m_context) {
            pa_context_set_state_callback(m_context, &PulseCapture::contextChanged, this);
        }
        const bool connecting = m_context
            && pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0;
        pa_threaded_mainloop_unlock(m_loop);
        if (!connecting || pa_threaded_mainloop_start(m_loop) < 0) {
            post([](PulseCapture *self) { self->fail(Failure::NoServer); });
        }
    }

    void close() override
    {
        if (!m_loop) {
            return;
        }
        pa_threaded_mainloop_lock(m_loop);
        if (m_stream) {
            pa_stream_set_state_callback(m_stream, nullptr, nullptr);
            pa_stream_set_read_callback(m_stream, nullptr, nullptr);
            pa_stream_disconnect(m_stream);
            pa_stream_unref(m_stream);
            m_stream = nullptr;
        }
        if (m_context) {
            pa_context_set_state_callback(m_context, nullptr, nullptr);
            pa_context_disconnect(m_context);
            pa_context_unref(m_context);
            m_context = nullptr;
        }
        pa_threaded_mainloop_unlock(m_loop);
        pa_threaded_mainloop_stop(m_loop); // the loop only polls: it stops at once
        pa_threaded_mainloop_free(m_loop);
        m_loop = nullptr;
    }

private:
    template<typename Function>
    void post(Function function)
    {
        QMetaObject::invokeMethod(
            this,
            [self = QPointer<VoiceCapture>(this), function] {
                if (self) {
                    function(static_cast<PulseCapture *>(self.data()));
                }
            },
            Qt::QueuedConnection);
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

    static void contextChanged(pa_context *context, void *userdata)
    {
        auto *self = static_cast<PulseCapture *>(userdata);
        switch (pa_context_get_state(context)) {
        case PA_CONTEXT_READY:
            self->openStream();
            break;
        case PA_CONTEXT_FAILED:
        case PA_CONTEXT_TERMINATED: {
            const bool wasReady = self->m_ready;
            self->post([wasReady](PulseCapture *capture) {
                capture->fail(wasReady ? Failure::Lost : Failure::NoServer);
            });
            break;
        }
        default:
            break;
        }
    }

    void openStream()
    {
        m_ready = true;
        const pa_sample_spec sample{PA_SAMPLE_FLOAT32NE, uint32_t(m_rate), 1};
        m_stream = pa_stream_new(m_context, "Limbora voice", &sample, nullptr);
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
            const Failure failure = failureOf(pa_context_errno(m_context));
            post([failure](PulseCapture *self) { self->fail(failure); });
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

    pa_threaded_mainloop *m_loop = nullptr;
    pa_context *m_context = nullptr;
    pa_stream *m_stream = nullptr;
    bool m_ready = false;
};

} // namespace

std::unique_ptr<VoiceCapture> makeVoiceCapture(QObject *parent)
{
    return std::make_unique<PulseCapture>(parent);
}
