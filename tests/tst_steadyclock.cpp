// SPDX-License-Identifier: GPL-3.0-or-later
// The program's real clock, briefly: its alarms never come early, come once, and can be replaced
// or cancelled. (How late they come is the benchmark's business.)
#include "steadyclock.h"

#include <QTest>

class TestSteadyClock : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void alarmNeverComesEarlyAndComesOnce()
    {
        SteadyClock clock;
        const qint64 deadline = clock.now() + 60;
        QList<qint64> fired;
        clock.wakeAt(deadline, [&] { fired << clock.now(); });
        QTRY_COMPARE_WITH_TIMEOUT(fired.size(), 1, 1000);
        QVERIFY(fired.first() >= deadline);
        QTest::qWait(80);
        QCOMPARE(fired.size(), 1);
    }

    void laterAlarmReplacesTheEarlierOne()
    {
        SteadyClock clock;
        QStringList fired;
        clock.wakeAt(clock.now() + 20, [&] { fired << QStringLiteral("first"); });
        clock.wakeAt(clock.now() + 40, [&] { fired << QStringLiteral("second"); });
        QTRY_COMPARE_WITH_TIMEOUT(fired, QStringList{QStringLiteral("second")}, 1000);
    }

    void cancelledAlarmStaysSilent()
    {
        SteadyClock clock;
        bool fired = false;
        clock.wakeAt(clock.now() + 20, [&] { fired = true; });
        clock.cancelWake();
        QTest::qWait(60);
        QVERIFY(!fired);
    }

    void pastDeadlineFiresOnTheNextTurn()
    {
        SteadyClock clock;
        int fired = 0;
        clock.wakeAt(clock.now() - 500, [&] { ++fired; });
        QCOMPARE(fired, 0); // never from inside wakeAt
        QTRY_COMPARE_WITH_TIMEOUT(fired, 1, 100);
    }

    void callbackMaySetTheNextAlarm()
    {
        SteadyClock clock;
        int fired = 0;
        std::function<void()> again = [&] {
            if (++fired < 3) {
                clock.wakeAt(clock.now() + 5, again);
            }
        };
        clock.wakeAt(clock.now() + 5, again);
        QTRY_COMPARE_WITH_TIMEOUT(fired, 3, 1000);
    }
};

QTEST_GUILESS_MAIN(TestSteadyClock)
#include "tst_steadyclock.moc"
