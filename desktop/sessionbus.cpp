// SPDX-License-Identifier: GPL-3.0-or-later
#include "sessionbus.h"

#include <QByteArray>
#include <QDBusConnection>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QThread>
#include <QtGlobal>

#include <atomic>

#ifdef Q_OS_UNIX
#include <QDeadlineTimer>

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <optional>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#endif

Q_DECLARE_LOGGING_CATEGORY(lcSession)

using namespace Qt::StringLiterals;

namespace {

std::atomic<int> connecting{0};

bool sessionBusNamed()
{
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) {
        return true;
    }
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(runtime + u"/bus"_s);
}

} // namespace

void connectBusInBackground(const QString &address, const QString &name, QObject *context,
                            std::function<void(bool connected)> done)
{
    if (address.isEmpty() && !sessionBusNamed()) {
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

#ifdef Q_OS_UNIX
namespace {

struct BusSocket
{
    sockaddr_un address{};
    socklen_t length = 0;
};

// The bus libdbus would try first, where it is a local socket: a path or an abstract name.
std::optional<BusSocket> namedBusSocket()
{
    QByteArray address = qgetenv("DBUS_SESSION_BUS_ADDRESS").split(';').constFirst();
    if (address.isEmpty() && !qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        address = "unix:path=" + qgetenv("XDG_RUNTIME_DIR") + "/bus";
    }
    if (!address.startsWith("unix:")) {
        return std::nullopt; // none, or not ours to judge
    }
    for (const QByteArray &pair : address.mid(5).split(',')) {
        const qsizetype equals = pair.indexOf('=');
        const QByteArray key = pair.left(equals);
        const QByteArray value = QByteArray::fromPercentEncoding(pair.mid(equals + 1));
        const bool abstract = key == "abstract";
        if ((key != "path" && !abstract) || value.isEmpty()
            || std::size_t(value.size()) + 1 > sizeof(sockaddr_un::sun_path)) {
            continue;
        }
        BusSocket bus;
        bus.address.sun_family = AF_UNIX;
        std::memcpy(bus.address.sun_path + (abstract ? 1 : 0), value.constData(),
                    std::size_t(value.size()));
        bus.length = socklen_t(offsetof(sockaddr_un, sun_path) + std::size_t(value.size())
                               + (abstract ? 1 : 0));
        return bus;
    }
    return std::nullopt;
}

bool waitFor(int fd, short events, const QDeadlineTimer &deadline)
{
    pollfd watched{fd, events, 0};
    int ready = 0;
    do {
        ready = ::poll(&watched, 1, int(deadline.remainingTime()));
    } while (ready < 0 && errno == EINTR);
    return ready > 0;
}

// False only for a bus that doesn't take the connection or says nothing in time: one that
// refuses or fails is found as quickly by everyone else.
bool answers(const BusSocket &bus, const QDeadlineTimer &deadline)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        return true;
    }
    if (::connect(fd, reinterpret_cast<const sockaddr *>(&bus.address), bus.length) < 0) {
        const bool full = errno == EAGAIN; // a listener that takes no more: libdbus would wait
        ::close(fd);
        return !full;
    }
    // The first step of D-Bus's handshake; any bus answers it at once, if only to refuse.
    const QByteArray hello
        = QByteArray(1, '\0') + "AUTH EXTERNAL " + QByteArray::number(::getuid()).toHex() + "\r\n";
    bool answered = true;
    if (::send(fd, hello.constData(), std::size_t(hello.size()), MSG_NOSIGNAL) == hello.size()) {
        answered = waitFor(fd, POLLIN, deadline);
    }
    ::close(fd);
    return answered;
}

} // namespace

void setAsideSilentSessionBus(std::chrono::milliseconds within)
{
    const auto bus = namedBusSocket();
    if (!bus || answers(*bus, QDeadlineTimer(within))) {
        return;
    }
    qCDebug(lcSession, "the session bus did not answer in %lld ms: going on without it",
            static_cast<long long>(within.count()));
    // An address of no kind libdbus knows: every connection fails at once, ours and Qt's.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
}
#else
void setAsideSilentSessionBus(std::chrono::milliseconds) { }
#endif
