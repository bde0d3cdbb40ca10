// SPDX-License-Identifier: GPL-3.0-or-later
// The program's real clock, briefly: its alarms never come early, come once, and can be replaced
// or cancelled; long waits aim early enough for the kernel's slack and still never call back
// before their deadline. (How late they come is the benchmark's business.)
#include "steadyclock.h"

#include <QElapsedTimer>
#include <QTest>

#include <limits>

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

    // The timer is set early on a long wait: early enough that the kernel's 0.1 % overshoot of the
    // sleep cannot carry it past the deadline, and by no more than about 1 %, so that the rest is
    // one short exact wait. Short waits are aimed exactly.
    void timerAimsJustEarlyOnLongWaits_data()
    {
        QTest::addColumn<qint64>("remaining");
        for (qint64 ms : {21, 60, 1000, 7000, 60000, 3600000}) {
            QTest::addRow("%lld ms", ms) << ms;
        }
    }
    void timerAimsJustEarlyOnLongWaits()
    {
        QFETCH(qint64, remaining);
        const qint64 interval = SteadyClock::timerInterval(remaining);
        QVERIFY2(interval + interval / 1000 + 1 <= remaining,
                 qPrintable(QString::number(interval)));
        QVERIFY2(interval >= remaining - remaining / 100 - 2,
                 qPrintable(QString::number(interval)));
    }
    void timerAimsExactlyOnShortWaitsAndStaysInRange()
    {
        QCOMPARE(SteadyClock::timerInterval(0), 0);
        QCOMPARE(SteadyClock::timerInterval(15), 15);
        QCOMPARE(SteadyClock::timerInterval(-500), 0);
        const int far = SteadyClock::timerInterval(qint64(1) << 40);
        QVERIFY(far > 0 && far <= std::numeric_limits<int>::max());
    }

    // When the timer fires while the clock still says the deadline is seconds away (as it does by
    // design on a long wait), nothing is called back. The time source lags the real clock by
    // three seconds once armed, so the real wait stays short.
    void timerFiringBeforeALongDeadlineCallsNothing()
    {
        QElapsedTimer real;
        real.start();
        qint64 lag = 0;
        SteadyClock clock([&] { return real.elapsed() - lag; });
        bool fired = false;
        clock.wakeAt(clock.now() + 40, [&] { fired = true; });
        lag = 3000;
        QTest::qWait(150);
        QVERIFY(!fired);
        clock.cancelWake();
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
