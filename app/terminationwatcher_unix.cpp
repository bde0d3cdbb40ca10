// SPDX-License-Identifier: GPL-3.0-or-later
// Unix: the signal handler writes a byte to a socket pair, which a QSocketNotifier reads on the
// event loop (the pattern from Qt's documentation: a handler may call almost nothing else).
#include "terminationwatcher.h"

#include <QSocketNotifier>

#include <array>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int signalSockets[2] = {-1, -1};
constexpr std::array WatchedSignals{SIGTERM, SIGINT, SIGHUP};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalSockets[0], &byte, 1);
}

} // namespace

TerminationWatcher::TerminationWatcher(QObject *parent)
    : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalSockets) != 0) {
        return; // the default actions stay: the program still ends, only less gracefully
    }
    auto *notifier = new QSocketNotifier(signalSockets[1], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        char byte;
        [[maybe_unused]] const auto read = ::read(signalSockets[1], &byte, 1);
        Q_EMIT terminationRequested();
    });

    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int watched : WatchedSignals) {
        sigaction(watched, &action, nullptr);
    }
}

TerminationWatcher::~TerminationWatcher()
{
    for (int watched : WatchedSignals) {
        std::signal(watched, SIG_DFL);
    }
    for (int &socket : signalSockets) {
        if (socket >= 0) {
            ::close(socket);
            socket = -1;
        }
    }
}
