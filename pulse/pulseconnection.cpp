// SPDX-License-Identifier: GPL-3.0-or-later
#include "pulseconnection.h"

#include <QTimer>

#include <pulse/context.h>
#include <pulse/thread-mainloop.h>

namespace {

constexpr int MostReconnects = 5;

} // namespace

PulseConnection::Locker::Locker(const PulseConnection &connection)
    : m_mainloop(connection.m_mainloop)
{
    if (m_mainloop) {
        pa_threaded_mainloop_lock(m_mainloop);
    }
}

PulseConnection::Locker::~Locker()
{
    if (m_mainloop) {
        pa_threaded_mainloop_unlock(m_mainloop);
    }
}

PulseConnection::PulseConnection(int readyWithinMs, int reconnectAfterMs, QObject *parent)
    : QObject(parent)
    , m_readyWithinMs(readyWithinMs)
    , m_reconnectAfterMs(reconnectAfterMs)
    , m_mainloop(pa_threaded_mainloop_new()) // its thread starts at the first open()
{
}

PulseConnection::~PulseConnection()
{
    if (!m_mainloop) {
        return;
    }
    // Once its thread has stopped, nothing else touches the context: no lock is needed.
    pa_threaded_mainloop_stop(m_mainloop);
    if (m_context) {
        pa_context_set_state_callback(m_context, nullptr, nullptr);
        pa_context_disconnect(m_context);
        pa_context_unref(m_context);
    }
    pa_threaded_mainloop_free(m_mainloop);
}

bool PulseConnection::open()
{
    if (!m_mainloop) {
        return false;
    }
    if (!m_running) {
        if (pa_threaded_mainloop_start(m_mainloop) < 0) {
            return false;
        }
        m_running = true;
    }
    Locker lock(*this);
    if (m_context) {
        if (PA_CONTEXT_IS_GOOD(pa_context_get_state(m_context))) {
            return true;
        }
        close(); // its end is news not yet handled, and now never will be
    }
    m_context = pa_context_new(pa_threaded_mainloop_get_api(m_mainloop), "Limbora");
    if (!m_context) {
        return false;
    }
    const quint64 serial = ++m_serial;
    m_wasReady = false;
    pa_context_set_state_callback(
        m_context,
        [](pa_context *, void *self) {
            auto *connection = static_cast<PulseConnection *>(self);
            connection->post([connection] { connection->changed(); });
        },
        this);
    // Never starts a server of its own: that would be waited for.
    if (pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        close();
        return false;
    }
    QTimer::singleShot(m_readyWithinMs, this, [this, serial] {
        if (serial == m_serial && !isReady()) {
            end(End::NotInTime);
        }
    });
    return true;
}

void PulseConnection::close()
{
    if (!m_context) {
        return;
    }
    Locker lock(*this);
    Q_EMIT aboutToClose();
    ++m_serial;
    pa_context_set_state_callback(m_context, nullptr, nullptr);
    pa_context_disconnect(m_context);
    pa_context_unref(m_context);
    m_context = nullptr;
}

bool PulseConnection::isReady() const
{
    Locker lock(*this);
    return m_context && pa_context_get_state(m_context) == PA_CONTEXT_READY;
}

// A restarted server is then ready before the next sound, not found by it. Where nothing
// listens at all, libpulse gives up at once: that try counts, and the next follows.
void PulseConnection::reconnectLater()
{
    if (m_reconnects >= MostReconnects) {
        return;
    }
    const int delayMs = m_reconnectAfterMs << m_reconnects++;
    QTimer::singleShot(delayMs, this, [this] {
        if (!m_context && !open()) {
            reconnectLater();
        }
    });
}

// News from the state callback, about the context at hand: its state now, not when it was told.
void PulseConnection::changed()
{
    pa_context_state_t state = PA_CONTEXT_UNCONNECTED;
    {
        Locker lock(*this);
        state = pa_context_get_state(m_context);
    }
    if (state == PA_CONTEXT_READY && !m_wasReady) {
        m_wasReady = true;
        m_reconnects = 0;
        Q_EMIT ready();
    } else if (!PA_CONTEXT_IS_GOOD(state)) {
        end(m_wasReady ? End::WentAway : End::Refused);
    }
}

void PulseConnection::end(End end)
{
    int error = 0;
    {
        Locker lock(*this);
        error = pa_context_errno(m_context);
    }
    close();
    Q_EMIT ended(end, error); // last: a slot may delete this connection
}
