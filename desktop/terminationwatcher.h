// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// Turns the desktop's request to end the program into a signal, so that it takes the same path as
// the close box: SIGTERM, SIGINT and SIGHUP on Unix, on the event loop; the session's end on
// Windows, where the process ends as soon as the signal has been handled.
class TerminationWatcher : public QObject
{
    Q_OBJECT

public:
    explicit TerminationWatcher(QObject *parent = nullptr);
    ~TerminationWatcher() override;

    // Catches the signals from now on, before any application object exists: a request that
    // comes before the watcher is made waits for it. Returns a descriptor that turns readable
    // once a request came, or -1 where there is none.
    static int catchSignals();

Q_SIGNALS:
    void terminationRequested();
    // Windows only, right after terminationRequested: the process ends as this returns, with
    // nothing torn down, so whatever must end before the process does ends here.
    void processEnding();
};
