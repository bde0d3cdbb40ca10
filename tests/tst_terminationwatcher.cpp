// SPDX-License-Identifier: GPL-3.0-or-later
#include "terminationwatcher.h"

#include <QSignalSpy>
#include <QTest>

#include <csignal>

class TestTerminationWatcher : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Far more signals than the socket holds bytes, while nothing reads: a handler that blocked
    // would never return from raise().
    void burstNeverBlocksAndAsksOnce()
    {
        TerminationWatcher watcher;
        QSignalSpy requested(&watcher, &TerminationWatcher::terminationRequested);
        const int kinds[] = {SIGTERM, SIGINT, SIGHUP};
        for (int count = 0; count < 20000; ++count) {
            std::raise(kinds[count % 3]);
        }
        QTRY_COMPARE(requested.count(), 1);
        QTest::qWait(20);
        QCOMPARE(requested.count(), 1);
    }
};

QTEST_GUILESS_MAIN(TestTerminationWatcher)
#include "tst_terminationwatcher.moc"
