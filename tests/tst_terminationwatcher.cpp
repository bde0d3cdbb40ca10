// SPDX-License-Identifier: GPL-3.0-or-later
#include "terminationwatcher.h"

#include <QSignalSpy>
#include <QTest>

#include <array>
#include <csignal>
#include <optional>

class TestTerminationWatcher : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Far more signals than the socket holds bytes, while nothing reads: a handler that blocked
    // would never return from raise(). A burst before the watcher exists waits for it.
    void burstNeverBlocksAndAsksOnce_data()
    {
        QTest::addColumn<bool>("beforeWatcher");
        QTest::newRow("watched") << false;
        QTest::newRow("before the watcher") << true;
    }

    void burstNeverBlocksAndAsksOnce()
    {
        QFETCH(bool, beforeWatcher);
        QVERIFY(!beforeWatcher || TerminationWatcher::catchSignals() >= 0);
        std::optional<TerminationWatcher> watcher;
        if (!beforeWatcher) {
            watcher.emplace();
        }
        for (int count = 0; count < 20000; ++count) {
            std::raise(std::array{SIGTERM, SIGINT, SIGHUP}[count % 3]);
        }
        if (!watcher) {
            watcher.emplace();
        }
        QSignalSpy requested(&*watcher, &TerminationWatcher::terminationRequested);
        QTRY_COMPARE(requested.count(), 1);
        QTest::qWait(20);
        QCOMPARE(requested.count(), 1);
    }
};

QTEST_GUILESS_MAIN(TestTerminationWatcher)
#include "tst_terminationwatcher.moc"
