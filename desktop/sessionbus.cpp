// SPDX-License-Identifier: GPL-3.0-or-later
#include "sessionbus.h"

#include "busprobe.h"

#include <QByteArray>
#include <QDBusConnection>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QThread>
#include <QtGlobal>

#include <atomic>

Q_DECLARE_LOGGING_CATEGORY(lcSession)

namespace {

std::atomic<int> connecting{0};

} // namespace

void connectBusInBackground(const QString &address, const QString &name, QObject *context,
                            std::function<void(bool connected)> done)
{
    if (address.isEmpty() && !sessionBusFound()) {
        QMetaObject::invokeMethod(
            context, [done = std::move(done)] { done(false); }, Qt::QueuedConnection);
        return;
    }
    ++connecting;
    QThread *thread = QThread::create([address, name] {
        if (address.isEmpty()) {
            QDBusConnection::connectToBus(QDBusConnection::SessionBus, name);
        } else {
            QDBusConnection::connectToBus(address, name);
        }
        --connecting;
    });
    QObject::connect(thread, &QThread::finished, context,
                     [name, done = std::move(done)] { done(QDBusConnection(name).isConnected()); });
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
}

bool isBusStillConnecting()
{
    return connecting > 0;
}

void setAsideSilentSessionBus(std::chrono::milliseconds within, int interrupt)
{
#ifdef Q_OS_UNIX
    // An address of no kind libdbus knows: every connection fails at once, ours and Qt's, and
    // none starts a bus through the X server, which nothing else would find.
    constexpr char Disabled[] = "disabled:";
    if (!sessionBusFound()) {
        qCDebug(lcSession, "no session bus named or found: going on without one");
        qputenv("DBUS_SESSION_BUS_ADDRESS", Disabled);
        return;
    }
    const QByteArray address = sessionBusAddress();
    qCDebug(lcSession, "greeting the session bus at %s", address.constData());
    QElapsedTimer took;
    took.start();
    if (busAnswers(address, QDeadlineTimer(within), interrupt)) {
        qCDebug(lcSession, "the session bus answered in %lld ms",
                static_cast<long long>(took.elapsed()));
        return;
    }
    qCDebug(lcSession, "the session bus did not answer in %lld ms: going on without it",
            static_cast<long long>(took.elapsed()));
    qputenv("DBUS_SESSION_BUS_ADDRESS", Disabled);
#else
    Q_UNUSED(within);
    Q_UNUSED(interrupt);
#endif
}
