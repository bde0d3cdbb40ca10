// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gameclock.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

// The program's clock: QElapsedTimer (monotonic) and a precise single-shot QTimer, armed for a
// deadline rather than an interval, so that no wait is late by more than a millisecond or so.
class SteadyClock final : public QObject, public GameClock
{
    Q_OBJECT

public:
    explicit SteadyClock(QObject *parent = nullptr);
    // A clock that reads its time (monotonic milliseconds) from timeSource instead.
    explicit SteadyClock(std::function<qint64()> timeSource, QObject *parent = nullptr);

    qint64 now() const override;
    void wakeAt(qint64 deadline, std::function<void()> callback) override;
    void cancelWake() override;

    // How long the timer is set for when the deadline is remaining ms away: a little early on a
    // long wait, since the kernel may overshoot a long poll by 0.1 %.
    static int timerInterval(qint64 remaining);

private:
    void arm();

    QElapsedTimer m_elapsed;
    std::function<qint64()> m_timeSource;
    qint64 m_deadline = 0;
    QTimer m_timer;
    std::function<void()> m_callback;
};
