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

// Plays nothing: records what the game asks to hear, and when each sound was heard. A sound ends
// when the test finishes it, or by itself after its length in fake time when the test gave
// lengths, or when the game stops it.
class FakeSpeaker
{
public:
    explicit FakeSpeaker(FakeClock &clock)
        : m_clock(clock)
    {
    }

    struct Heard
    {
        QString name;
        qint64 from = 0;
        qint64 to = -1; // still playing
    };

    GameSequencer::PlayAndWait player()
    {
        return [this](const QString &name, std::function<void()> finished) {
            started << name;
            startTimes << m_clock.now();
            const qsizetype index = heard.size();
            heard.push_back({name, m_clock.now()});
            auto ending = [this, index, finished = std::move(finished)] {
                if (heard[index].to < 0) {
                    heard[index].to = m_clock.now();
                    finished();
                }
            };
            if (lengths.contains(name)) {
                m_clock.schedule(m_clock.now() + lengths.value(name), std::move(ending));
            } else {
                pending.push_back(std::move(ending));
            }
        };
    }

    std::function<void(const QString &name)> stopper()
    {
        return [this](const QString &name) {
            for (Heard &sound : heard) {
                if (sound.name == name && sound.to < 0) {
                    sound.to = m_clock.now();
                }
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

    // Two sounds heard at once, if any: "a@from-to b@from-to".
    QString overlap() const
    {
        for (qsizetype i = 1; i < heard.size(); ++i) {
            const Heard &before = heard[i - 1];
            if (before.to < 0 || before.to > heard[i].from) {
                return QStringLiteral("%1@%2-%3 %4@%5")
                    .arg(before.name)
                    .arg(before.from)
                    .arg(before.to)
                    .arg(heard[i].name)
                    .arg(heard[i].from);
            }
        }
        return QString();
    }

    QStringList started;
    QList<qint64> startTimes;
    QList<Heard> heard;
    QHash<QString, qint64> lengths;
    std::deque<std::function<void()>> pending;

private:
    FakeClock &m_clock;
};
