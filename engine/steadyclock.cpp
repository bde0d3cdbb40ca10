// SPDX-License-Identifier: GPL-3.0-or-later
#include "steadyclock.h"

#include <algorithm>
#include <limits>

SteadyClock::SteadyClock(QObject *parent)
    : SteadyClock(nullptr, parent)
{
}

SteadyClock::SteadyClock(std::function<qint64()> timeSource, QObject *parent)
    : QObject(parent)
    , m_timeSource(std::move(timeSource))
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
    return m_timeSource ? m_timeSource() : m_elapsed.elapsed();
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
int SteadyClock::timerInterval(qint64 remaining)
{
    remaining = std::max<qint64>(0, remaining);
    const qint64 early = remaining > 20 ? remaining / 256 + 1 : 0;
    return int(std::min<qint64>(remaining - early, std::numeric_limits<int>::max()));
}

void SteadyClock::arm()
{
    m_timer.start(timerInterval(m_deadline - now()));
}
