// SPDX-License-Identifier: GPL-3.0-or-later
#include "steadyclock.h"

#include <algorithm>
#include <limits>

SteadyClock::SteadyClock(QObject *parent)
    : QObject(parent)
{
    m_elapsed.start();
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        // The callback may set the next alarm, so take it out first.
        auto callback = std::exchange(m_callback, nullptr);
        if (callback) {
            callback();
        }
    });
}

qint64 SteadyClock::now() const
{
    return m_elapsed.elapsed();
}

void SteadyClock::wakeAt(qint64 deadline, std::function<void()> callback)
{
    m_callback = std::move(callback);
    m_timer.start(int(std::clamp<qint64>(deadline - now(), 0, std::numeric_limits<int>::max())));
}

void SteadyClock::cancelWake()
{
    m_timer.stop();
    m_callback = nullptr;
}
