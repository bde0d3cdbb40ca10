// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fakeclock.h"
#include "gamesequencer.h"
#include "randomsource.h"

#include <QHash>
#include <QStringList>

#include <deque>

// Hands out the values a test asks for, then repeats the last one.
class ScriptedRandom final : public RandomSource
{
public:
    void reseed() override { ++reseeds; }
    float next() override
    {
        if (values.size() > 1) {
            const float value = values.front();
            values.pop_front();
            return value;
        }
        return values.empty() ? 0.0f : values.front();
    }

    std::deque<float> values;
    int reseeds = 0;
};

// Plays nothing: records what the game asks to hear. A sound ends when the test finishes it, or
// by itself after its length in fake time when the test gave lengths.
class FakeSpeaker
{
public:
    explicit FakeSpeaker(FakeClock &clock)
        : m_clock(clock)
    {
    }

    GameSequencer::PlayAndWait player()
    {
        return [this](const QString &name, std::function<void()> finished) {
            started << name;
            startTimes << m_clock.now();
            if (lengths.contains(name)) {
                m_clock.schedule(m_clock.now() + lengths.value(name), std::move(finished));
            } else {
                pending.push_back(std::move(finished));
            }
        };
    }

    // Ends the oldest sound still playing.
    void finish()
    {
        Q_ASSERT(!pending.empty());
        auto finished = std::move(pending.front());
        pending.pop_front();
        finished();
    }

    QStringList started;
    QList<qint64> startTimes;
    QHash<QString, qint64> lengths;
    std::deque<std::function<void()>> pending;

private:
    FakeClock &m_clock;
};
