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

    qint64 now() const override;
    void wakeAt(qint64 deadline, std::function<void()> callback) override;
    void cancelWake() override;

private:
    void arm();

    QElapsedTimer m_elapsed;
    qint64 m_deadline = 0;
    QTimer m_timer;
    std::function<void()> m_callback;
};
