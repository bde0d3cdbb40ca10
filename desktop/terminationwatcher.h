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

Q_SIGNALS:
    void terminationRequested();
};
