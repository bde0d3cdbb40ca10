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
    // would never return from raise(). Signals caught before the watcher exists (the program
    // still starting) wait for it.
    void burstNeverBlocksAndAsksOnce_data()
    {
        QTest::addColumn<bool>("beforeWatcher");
        QTest::newRow("while watched") << false;
        QTest::newRow("before the watcher is made") << true;
    }

    void burstNeverBlocksAndAsksOnce()
    {
        QFETCH(bool, beforeWatcher);
        const int kinds[] = {SIGTERM, SIGINT, SIGHUP};
        const auto burst = [&kinds] {
            for (int count = 0; count < 20000; ++count) {
                std::raise(kinds[count % 3]);
            }
        };
        if (beforeWatcher) {
            QVERIFY(TerminationWatcher::catchSignals() >= 0);
            burst();
        }
        TerminationWatcher watcher;
        QSignalSpy requested(&watcher, &TerminationWatcher::terminationRequested);
        if (!beforeWatcher) {
            burst();
        }
        QTRY_COMPARE(requested.count(), 1);
        QTest::qWait(20);
        QCOMPARE(requested.count(), 1);
    }
};

QTEST_GUILESS_MAIN(TestTerminationWatcher)
#include "tst_terminationwatcher.moc"
