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
        if (now() < m_deadline) {
            arm();
            return;
        }
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
    m_deadline = deadline;
    m_callback = std::move(callback);
    arm();
}

void SteadyClock::cancelWake()
{
    m_timer.stop();
    m_callback = nullptr;
}

// Linux lets a poll() overshoot by 0.1 % of its timeout (7 ms on a 7 s pause), so a long wait
// aims a little early and then sleeps the short rest, whose overshoot is microseconds.
void SteadyClock::arm()
{
    const qint64 remaining = std::max<qint64>(0, m_deadline - now());
    const qint64 early = remaining > 20 ? remaining / 256 + 1 : 0;
    m_timer.start(int(std::min<qint64>(remaining - early, std::numeric_limits<int>::max())));
}
