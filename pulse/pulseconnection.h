// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMetaObject>
#include <QObject>

#include <utility>

struct pa_context;
struct pa_threaded_mainloop;

// One connection to the PulseAudio (or PipeWire) server, for playback and recording alike:
// libpulse's threaded main loop and a context on it. Nothing here waits on the server: a context
// not ready in time is given up, one that failed is let go and told of, and tearing down stops a
// loop that only polls. The streams on the context are the owner's; it closes them when told
// aboutToClose().
//
// libpulse calls back on the loop's own thread, holding its lock. Callbacks only hand their news
// to this object's thread through post(), which drops news of a context let go since.
class PulseConnection : public QObject
{
    Q_OBJECT

public:
    // How a context ended without its owner closing it.
    enum class End {
        Refused, // never ready: no server there, or it turned the connection down
        NotInTime, // not ready by its deadline, as with a suspended server
        WentAway, // ready, then closed by the server
    };
    Q_ENUM(End)

    // After the server went away, a new connection is tried this long after (then doubling).
    static constexpr int ReconnectAfterMs = 500;

    // readyWithinMs: how long a context may take to become ready before it is given up.
    explicit PulseConnection(int readyWithinMs, int reconnectAfterMs = ReconnectAfterMs,
                             QObject *parent = nullptr);
    // Stops the loop, then lets go of the context without a word: the owner has closed its
    // streams by then.
    ~PulseConnection() override;

    // Connects to the default server, never starting one, unless a context is connecting or
    // ready already; false where libpulse gives up at once. A context that has failed is let go
    // first. Starts the loop the first time.
    bool open();
    // Lets go of the context at once (aboutToClose() first); no ended() follows.
    void close();
    bool isReady() const;
    // The context while connecting or ready, else null. Used under the lock.
    pa_context *context() const { return m_context; }

    // After the server went away: connects again five times, after 0.5, 1, 2, 4 and 8 s (by
    // default), unless a context is there by then; the count starts again once one is ready.
    void reconnectLater();

    // The loop's lock, for calls into libpulse from any thread but the loop's. It nests.
    class Locker
    {
    public:
        explicit Locker(const PulseConnection &connection);
        ~Locker();
        Locker(const Locker &) = delete;
        Locker &operator=(const Locker &) = delete;

    private:
        pa_threaded_mainloop *m_mainloop;
    };

    // From a libpulse callback (the loop's thread, under the lock): runs news on this object's
    // thread, unless the context it came from has been let go by then.
    template<typename News>
    void post(News news)
    {
        QMetaObject::invokeMethod(
            this,
            [this, serial = m_serial, news = std::move(news)]() mutable {
                if (serial == m_serial) {
                    news(); // last: a slot may delete this connection
                }
            },
            Qt::QueuedConnection);
    }

Q_SIGNALS:
    void ready();
    // The context is about to go: streams on it are closed now, under the lock.
    void aboutToClose();
    // The context has been let go (aboutToClose() came first); error is libpulse's. A slot may
    // delete the connection.
    void ended(PulseConnection::End end, int error);

private:
    void changed();
    void end(End end);

    int m_readyWithinMs;
    int m_reconnectAfterMs;
    pa_threaded_mainloop *m_mainloop = nullptr;
    bool m_running = false;
    pa_context *m_context = nullptr;
    // Names the context at hand; written under the lock, so that callbacks may read it.
    quint64 m_serial = 0;
    bool m_wasReady = false;
    int m_reconnects = 0;
};
