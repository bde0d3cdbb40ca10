// SPDX-License-Identifier: GPL-3.0-or-later
// Unix: the signal handler writes a byte to a socket pair, which a QSocketNotifier reads on the
// event loop (the pattern from Qt's documentation: a handler may call almost nothing else).
#include "terminationwatcher.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int signalSockets[2] = {-1, -1};
constexpr std::array WatchedSignals{SIGTERM, SIGINT, SIGHUP};

// Never blocks: the write end is non-blocking, and once a byte waits unread the request is known,
// so the signals of a burst that find the buffer full are simply dropped.
void onSignal(int)
{
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalSockets[0], &byte, 1);
    errno = savedErrno;
}

} // namespace

int TerminationWatcher::catchSignals()
{
    if (signalSockets[1] >= 0) {
        return signalSockets[1];
    }
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, signalSockets) != 0) {
        return -1; // the default actions stay: the program still ends, only less gracefully
    }
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int watched : WatchedSignals) {
        sigaction(watched, &action, nullptr);
    }
    return signalSockets[1];
}

TerminationWatcher::TerminationWatcher(QObject *parent)
    : QObject(parent)
{
    const int requests = catchSignals();
    if (requests < 0) {
        return;
    }
    auto *notifier = new QSocketNotifier(requests, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this, requests] {
        char bytes[256];
        while (::read(requests, bytes, sizeof bytes) > 0) { }
        Q_EMIT terminationRequested();
    });
}

TerminationWatcher::~TerminationWatcher()
{
    // The program is ending: a request that comes now has nothing left to do.
    for (int watched : WatchedSignals) {
        std::signal(watched, SIG_IGN);
    }
    for (int &socket : signalSockets) {
        if (socket >= 0) {
            ::close(socket);
            socket = -1;
        }
    }
}
