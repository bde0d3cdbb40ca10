// SPDX-License-Identifier: GPL-3.0-or-later
#include "busprobe.h"

#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <QByteArrayList>
#include <QFile>
#include <QHash>
#include <QList>
#include <QtEndian>

#include <cerrno>
#include <condition_variable>
#include <cstddef>
#include <cstring>
#include <memory>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <utility>

#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

struct Entry
{
    QByteArray method;
    QHash<QByteArray, QByteArray> values;
};

// `text` split at `separator`, where libdbus lets a last separator end the text.
QByteArrayList pieces(const QByteArray &text, char separator)
{
    QByteArrayList all = text.split(separator);
    if (all.size() > 1 && all.constLast().isEmpty()) {
        all.removeLast();
    }
    return all;
}

// libdbus's reading: "method:key=value,..." entries; a fault anywhere fails the whole address.
std::optional<QList<Entry>> parseAddress(const QByteArray &address)
{
    QList<Entry> entries;
    for (const QByteArray &text : pieces(address, ';')) {
        const qsizetype colon = text.indexOf(':');
        if (colon < 0) {
            return std::nullopt;
        }
        Entry entry{text.left(colon), {}};
        const QByteArray pairs = text.mid(colon + 1);
        for (const QByteArray &pair : pairs.isEmpty() ? QByteArrayList() : pieces(pairs, ',')) {
            const qsizetype equals = pair.indexOf('=');
            if (equals <= 0 || equals + 1 == pair.size()) {
                return std::nullopt;
            }
            entry.values.insert(pair.left(equals),
                                QByteArray::fromPercentEncoding(pair.mid(equals + 1)));
        }
        entries.append(entry);
    }
    return entries;
}

class Socket
{
public:
    explicit Socket(int fd = -1)
        : m_fd(fd)
    {
    }
    Socket(Socket &&other) noexcept
        : m_fd(std::exchange(other.m_fd, -1))
    {
    }
    Socket &operator=(Socket &&other) noexcept
    {
        std::swap(m_fd, other.m_fd);
        return *this;
    }
    ~Socket()
    {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    int fd() const { return m_fd; }

private:
    int m_fd;
};

// What libdbus meets opening an entry: a connection, a failure it passes over at once for the
// next entry, or a wait it would not end by itself.
enum class Opened { Connected, Refused, Hangs };

void appendLittleEndian(QByteArray &bytes, quint32 value)
{
    for (int shift = 0; shift < 32; shift += 8) {
        bytes.append(char((value >> shift) & 0xff));
    }
}

void padTo8(QByteArray &bytes)
{
    while (bytes.size() % 8 != 0) {
        bytes.append('\0');
    }
}

// A call to the bus itself, in D-Bus's wire format, with at most one string argument.
QByteArray busCall(const QByteArray &member, quint32 serial, const QByteArray &argument = {})
{
    QByteArray fields;
    const auto field = [&fields](char code, char type, const QByteArray &value) {
        padTo8(fields);
        fields.append(code).append('\1').append(type).append('\0');
        if (type == 'g') {
            fields.append(char(value.size()));
        } else {
            appendLittleEndian(fields, quint32(value.size()));
        }
        fields.append(value).append('\0');
    };
    field(1, 'o', "/org/freedesktop/DBus"); // path
    field(2, 's', "org.freedesktop.DBus"); // interface
    field(3, 's', member);
    field(6, 's', "org.freedesktop.DBus"); // destination
    QByteArray body;
    if (!argument.isEmpty()) {
        field(8, 'g', "s"); // signature
        appendLittleEndian(body, quint32(argument.size()));
        body.append(argument).append('\0');
    }
    QByteArray message("l\1\0\1", 4); // little-endian method call, version 1
    appendLittleEndian(message, quint32(body.size()));
    appendLittleEndian(message, serial);
    appendLittleEndian(message, quint32(fields.size()));
    message.append(fields);
    padTo8(message);
    return message + body;
}

bool sendAll(int fd, const QByteArray &bytes)
{
    return ::send(fd, bytes.constData(), std::size_t(bytes.size()), MSG_NOSIGNAL) == bytes.size();
}

// Every wait of one greeting, under one deadline, ended early by the interrupt.
class Probe
{
public:
    Probe(const QDeadlineTimer &deadline, int interrupt)
        : m_deadline(deadline)
        , m_interrupt(interrupt)
    {
    }

    const QDeadlineTimer &deadline() const { return m_deadline; }

    bool wait(int fd, short events) const
    {
        pollfd watched[2] = {{fd, events, 0}, {m_interrupt, POLLIN, 0}};
        const nfds_t count = m_interrupt >= 0 ? 2 : 1;
        int ready = 0;
        do {
            ready = ::poll(watched, count, int(m_deadline.remainingTime()));
        } while (ready < 0 && errno == EINTR);
        return ready > 0 && watched[0].revents != 0 && watched[1].revents == 0;
    }

    // A connection on a non-blocking socket, as libdbus's blocking connect would end.
    Opened connect(int fd, const sockaddr *address, socklen_t length) const
    {
        if (::connect(fd, address, length) == 0) {
            return Opened::Connected;
        }
        if (errno == EAGAIN) {
            return Opened::Hangs; // a local listener that takes no more
        }
        if (errno != EINPROGRESS) {
            return Opened::Refused;
        }
        if (!wait(fd, POLLOUT)) {
            return Opened::Hangs;
        }
        int error = 0;
        socklen_t size = sizeof error;
        return ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0
            ? Opened::Connected
            : Opened::Refused;
    }

    // The credentials, the passing of descriptors on a local socket, then the Hello and one
    // ordinary call, as Qt makes them at start-up: true once both are answered.
    bool greets(int fd, bool local) const
    {
        const QByteArray credentials = QByteArray(1, '\0') + "AUTH EXTERNAL "
            + QByteArray::number(::getuid()).toHex() + "\r\n";
        if (!sendAll(fd, credentials)) {
            return false;
        }
        const QByteArray answer = line(fd);
        if (answer.startsWith("REJECTED ") && !local) {
            // Over TCP libdbus goes on with a mechanism of the bus's choosing: a bus that
            // speaks is as far as this can follow.
            return true;
        }
        if (!answer.startsWith("OK ")
            || (local && (!sendAll(fd, "NEGOTIATE_UNIX_FD\r\n") || line(fd).isEmpty()))) {
            return false;
        }
        return sendAll(fd,
                       "BEGIN\r\n" + busCall("Hello", 1)
                           + busCall("NameHasOwner", 2, "org.freedesktop.DBus"))
            && replies(fd, 2);
    }

private:
    bool receive(int fd, QByteArray &heard) const
    {
        char buffer[512];
        for (;;) {
            if (!wait(fd, POLLIN)) {
                return false;
            }
            const ssize_t count = ::recv(fd, buffer, sizeof buffer, 0);
            if (count > 0) {
                heard.append(buffer, count);
                return true;
            }
            if (count == 0 || (errno != EINTR && errno != EAGAIN)) {
                return false;
            }
        }
    }

    QByteArray line(int fd) const
    {
        QByteArray heard;
        while (!heard.endsWith("\r\n")) {
            if (heard.size() > 4096 || !receive(fd, heard)) {
                return {};
            }
        }
        return heard;
    }

    // Counts whole messages that answer a call (a return or an error); signals don't.
    bool replies(int fd, int wanted) const
    {
        constexpr qint64 HeaderSize = 16;
        constexpr qint64 LargestMessage = 1 << 27; // libdbus's own limit
        QByteArray heard;
        while (wanted > 0) {
            if (heard.size() >= HeaderSize) {
                const auto word = [&heard](int at) {
                    return heard.at(0) == 'B' ? qFromBigEndian<quint32>(heard.constData() + at)
                                              : qFromLittleEndian<quint32>(heard.constData() + at);
                };
                const qint64 size = HeaderSize + ((qint64(word(12)) + 7) & ~qint64(7)) + word(4);
                if (size > LargestMessage) {
                    return false;
                }
                if (heard.size() >= size) {
                    if (heard.at(1) == 2 || heard.at(1) == 3) {
                        --wanted;
                    }
                    heard.remove(0, size);
                    continue;
                }
            }
            if (!receive(fd, heard)) {
                return false;
            }
        }
        return true;
    }

    QDeadlineTimer m_deadline;
    int m_interrupt;
};

Opened openLocal(const Entry &entry, const Probe &probe, Socket &socket)
{
    const auto &values = entry.values;
    // Listening places, or not one place: libdbus refuses the entry.
    if (values.contains("tmpdir") || values.contains("dir") || values.contains("runtime")
        || values.contains("path") == values.contains("abstract")) {
        return Opened::Refused;
    }
    const bool abstract = values.contains("abstract");
    const QByteArray name = values.value(abstract ? "abstract" : "path");
    sockaddr_un address{};
    if (std::size_t(name.size()) + 1 > sizeof address.sun_path) {
        return Opened::Refused;
    }
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path + (abstract ? 1 : 0), name.constData(), std::size_t(name.size()));
    const auto length = socklen_t(offsetof(sockaddr_un, sun_path) + std::size_t(name.size())
                                  + (abstract ? 1 : 0));
    socket = Socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (socket.fd() < 0) {
        return Opened::Refused;
    }
    return probe.connect(socket.fd(), reinterpret_cast<const sockaddr *>(&address), length);
}

using AddressList = std::unique_ptr<addrinfo, decltype(&::freeaddrinfo)>;

// A name the resolver asks the network about may take its own seconds: it is looked up aside,
// and given up at the deadline (nullopt).
std::optional<AddressList> lookUp(const QByteArray &host, const QByteArray &port,
                                  const addrinfo &hints, const QDeadlineTimer &deadline)
{
    struct Lookup
    {
        std::mutex mutex;
        std::condition_variable finished;
        addrinfo *found = nullptr;
        bool done = false;
        bool abandoned = false;
    };
    auto lookup = std::make_shared<Lookup>();
    try {
        std::thread([lookup, host, port, hints] {
            addrinfo *found = nullptr;
            if (::getaddrinfo(host.constData(), port.constData(), &hints, &found) != 0) {
                found = nullptr;
            }
            const std::lock_guard lock(lookup->mutex);
            if (lookup->abandoned) {
                if (found) {
                    ::freeaddrinfo(found);
                }
                return;
            }
            lookup->found = found;
            lookup->done = true;
            lookup->finished.notify_one();
        }).detach();
    } catch (const std::system_error &) {
        return std::nullopt;
    }
    std::unique_lock lock(lookup->mutex);
    if (!lookup->finished.wait_for(lock, deadline.remainingTimeAsDuration(),
                                   [&lookup] { return lookup->done; })) {
        lookup->abandoned = true;
        return std::nullopt;
    }
    return AddressList(std::exchange(lookup->found, nullptr), &::freeaddrinfo);
}

Opened openTcp(const Entry &entry, const Probe &probe, Socket &socket)
{
    const QByteArray host = entry.values.value("host", "localhost");
    const QByteArray port = entry.values.value("port");
    const QByteArray family = entry.values.value("family");
    const bool nonce = entry.method == "nonce-tcp";
    if (port.isEmpty() || (!family.isEmpty() && family != "ipv4" && family != "ipv6")
        || (nonce && !entry.values.contains("noncefile"))) {
        return Opened::Refused;
    }
    addrinfo hints{};
    hints.ai_family = family == "ipv4" ? AF_INET : family == "ipv6" ? AF_INET6 : AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_protocol = IPPROTO_TCP;
    hints.ai_flags = AI_ADDRCONFIG;
    const std::optional<AddressList> found = lookUp(host, port, hints, probe.deadline());
    if (!found) {
        return Opened::Hangs;
    }
    for (const addrinfo *each = found->get(); each; each = each->ai_next) {
        Socket attempt(
            ::socket(each->ai_family, each->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
        const Opened opened = attempt.fd() < 0
            ? Opened::Refused
            : probe.connect(attempt.fd(), each->ai_addr, each->ai_addrlen);
        if (opened == Opened::Refused) {
            continue;
        }
        socket = std::move(attempt);
        if (opened == Opened::Hangs || !nonce) {
            return opened;
        }
        // The nonce goes first; libdbus would block on anything but a regular file.
        QFile file(QFile::decodeName(entry.values.value("noncefile")));
        struct stat status = {};
        if (::stat(QFile::encodeName(file.fileName()).constData(), &status) != 0
            || !S_ISREG(status.st_mode)) {
            return Opened::Hangs;
        }
        const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.read(16) : QByteArray();
        return bytes.size() == 16 && sendAll(socket.fd(), bytes) ? Opened::Connected
                                                                 : Opened::Refused;
    }
    return Opened::Refused;
}

} // namespace

bool sessionBusFound()
{
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) {
        return true;
    }
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    struct stat status = {};
    return !runtime.isEmpty() && ::stat((runtime + "/bus").constData(), &status) == 0
        && S_ISSOCK(status.st_mode) && status.st_uid == ::getuid();
}

QByteArray sessionBusAddress()
{
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) {
        return qgetenv("DBUS_SESSION_BUS_ADDRESS");
    }
    return "unix:path=" + (qgetenv("XDG_RUNTIME_DIR") + "/bus").toPercentEncoding("/");
}

bool busAnswers(const QByteArray &address, const QDeadlineTimer &deadline, int interrupt)
{
    const std::optional<QList<Entry>> entries = parseAddress(address);
    if (!entries) {
        return false;
    }
    const Probe probe(deadline, interrupt);
    for (const Entry &entry : *entries) {
        Socket socket;
        Opened opened = Opened::Refused; // libdbus passes over a kind it doesn't know
        const bool local = entry.method == "unix";
        if (local) {
            opened = openLocal(entry, probe, socket);
        } else if (entry.method == "tcp" || entry.method == "nonce-tcp") {
            opened = openTcp(entry, probe, socket);
        } else if (entry.method == "autolaunch" || entry.method == "unixexec") {
            opened = Opened::Hangs; // a bus or a program started by libdbus, with no bound
        }
        if (opened == Opened::Hangs) {
            return false;
        }
        if (opened == Opened::Connected) {
            return probe.greets(socket.fd(), local);
        }
    }
    return false; // nowhere to connect: libdbus fails at once
}

#else
bool sessionBusFound()
{
    return !qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS");
}

QByteArray sessionBusAddress()
{
    return qgetenv("DBUS_SESSION_BUS_ADDRESS");
}

bool busAnswers(const QByteArray &, const QDeadlineTimer &, int)
{
    return true;
}
#endif
