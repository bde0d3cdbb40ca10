// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// Turns the desktop's request to end the program (SIGTERM, SIGINT and SIGHUP on Unix) into a
// signal on the event loop, so that it takes the same path as the close box. Elsewhere it never
// fires: the platform closes the window itself.
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
};
