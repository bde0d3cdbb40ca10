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

void appendLittleEndian(QByteArray &bytes, quint32 value)
{
    for (int shift = 0; shift < 32; shift += 8) {
        bytes.append(char((value >> shift) & 0xff));
    }
}

// The bus's own Hello, which every client sends first once it is let in, in D-Bus's wire format.
QByteArray helloMessage()
{
    QByteArray fields;
    const auto field = [&fields](char code, char type, const QByteArray &value) {
        while (fields.size() % 8 != 0) {
            fields.append('\0');
        }
        fields.append(code).append('\1').append(type).append('\0');
        appendLittleEndian(fields, quint32(value.size()));
        fields.append(value).append('\0');
    };
    field(1, 'o', "/org/freedesktop/DBus"); // path
    field(2, 's', "org.freedesktop.DBus"); // interface
    field(3, 's', "Hello"); // member
    field(6, 's', "org.freedesktop.DBus"); // destination
    QByteArray message("l\1\0\1", 4); // little-endian method call, version 1
    appendLittleEndian(message, 0); // no body
    appendLittleEndian(message, 1); // serial
    appendLittleEndian(message, quint32(fields.size()));
    message.append(fields);
    while (message.size() % 8 != 0) {
        message.append('\0');
    }
    return message;
}

enum class Heard { Answer, Closed, Nothing };

// Waits for what the bus says next: a whole line where `line` is set, else any bytes.
Heard hear(int fd, bool line, const QDeadlineTimer &deadline, QByteArray *said = nullptr)
{
    QByteArray heard;
    char buffer[256];
    while (!line || !heard.endsWith("\r\n")) {
        if (!waitFor(fd, POLLIN, deadline)) {
            return Heard::Nothing;
        }
        const ssize_t count = ::recv(fd, buffer, sizeof buffer, 0);
        if (count < 0 && (errno == EINTR || errno == EAGAIN)) {
            continue;
        }
        if (count <= 0) {
            return Heard::Closed;
        }
        heard.append(buffer, count);
        if (!line || heard.size() > 4096) {
            break;
        }
    }
    if (said) {
        *said = heard;
    }
    return Heard::Answer;
}

bool sendAll(int fd, const QByteArray &bytes)
{
    return ::send(fd, bytes.constData(), std::size_t(bytes.size()), MSG_NOSIGNAL) == bytes.size();
}

// False only for a bus that doesn't take the connection or falls silent before it has greeted us,
// as libdbus would meet it: the credentials, the passing of file descriptors it asks for, and the
// Hello that makes it a client, all within one bound. A bus that refuses or fails is found as
// quickly by everyone else.
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
    const QByteArray credentials
        = QByteArray(1, '\0') + "AUTH EXTERNAL " + QByteArray::number(::getuid()).toHex() + "\r\n";
    QByteArray said;
    Heard heard = Heard::Closed;
    if (sendAll(fd, credentials)) {
        heard = hear(fd, true, deadline, &said);
    }
    // Anything but OK ends the handshake here, for libdbus as well, without a wait. Whatever the
    // answer to the descriptors, libdbus goes on with the Hello.
    if (heard == Heard::Answer && said.startsWith("OK ") && sendAll(fd, "NEGOTIATE_UNIX_FD\r\n")) {
        heard = hear(fd, true, deadline);
        if (heard == Heard::Answer && sendAll(fd, "BEGIN\r\n" + helloMessage())) {
            heard = hear(fd, false, deadline);
        }
    }
    ::close(fd);
    return heard != Heard::Nothing;
}

} // namespace

void setAsideSilentSessionBus(std::chrono::milliseconds within)
{
    // An address of no kind libdbus knows: every connection fails at once, ours and Qt's, and
    // none starts a bus through the X server, which nothing else would find.
    constexpr char Disabled[] = "disabled:";
    if (!sessionBusNamed()) {
        qCDebug(lcSession, "no session bus named or found: going on without one");
        qputenv("DBUS_SESSION_BUS_ADDRESS", Disabled);
        return;
    }
    const auto bus = namedBusSocket();
    if (!bus || answers(*bus, QDeadlineTimer(within))) {
        return;
    }
    qCDebug(lcSession, "the session bus did not answer in %lld ms: going on without it",
            static_cast<long long>(within.count()));
    qputenv("DBUS_SESSION_BUS_ADDRESS", Disabled);
}
#else
void setAsideSilentSessionBus(std::chrono::milliseconds) { }
#endif
