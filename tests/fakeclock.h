// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gameclock.h"

#include <functional>
#include <map>

// A clock that moves only when the test says so. Besides the game's one alarm it keeps timers of
// its own for test doubles (sounds that end after a while), all fired in deadline order.
class FakeClock final : public GameClock
{
public:
    qint64 now() const override { return m_now; }

    void wakeAt(qint64 deadline, std::function<void()> callback) override
    {
        cancelWake();
        m_alarm = m_timers.emplace(deadline, std::move(callback));
        m_hasAlarm = true;
    }

    void cancelWake() override
    {
        if (m_hasAlarm) {
            m_timers.erase(m_alarm);
            m_hasAlarm = false;
        }
    }

    void schedule(qint64 deadline, std::function<void()> callback)
    {
        m_timers.emplace(deadline, std::move(callback));
    }

    void advanceTo(qint64 target)
    {
        while (!m_timers.empty() && m_timers.begin()->first <= target) {
            auto first = m_timers.begin();
            m_now = std::max(m_now, first->first);
            auto callback = std::move(first->second);
            if (m_hasAlarm && first == m_alarm) {
                m_hasAlarm = false;
            }
            m_timers.erase(first);
            callback();
        }
        m_now = std::max(m_now, target);
    }

    void advanceBy(qint64 ms) { advanceTo(m_now + ms); }

    bool hasAlarm() const { return m_hasAlarm; }
    qint64 alarmDeadline() const { return m_hasAlarm ? m_alarm->first : -1; }

private:
    using Timers = std::multimap<qint64, std::function<void()>>;
    qint64 m_now = 1'000'000; // not zero, so that nothing can rely on the clock starting there
    Timers m_timers;
    Timers::iterator m_alarm;
    bool m_hasAlarm = false;
};
