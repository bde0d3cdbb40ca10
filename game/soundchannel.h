// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include <deque>
#include <functional>

// The one line the game's sounds go out on, words and ticks and chimes alike: one sound at a
// time, in the order asked for, the next only once the one before was heard to its end. The
// sound player bounds that wait (a sound that doesn't start is given up within a quarter of a
// second, one that plays ends at its last sample), so nothing queued waits for ever.
class SoundChannel : public QObject
{
    Q_OBJECT

public:
    // Plays a sound and calls finished once it was heard to its end; a stopped sound never calls.
    using Play = std::function<void(const QString &name, std::function<void()> finished)>;
    using Stop = std::function<void(const QString &name)>;

    SoundChannel(Play play, Stop stop, QObject *parent = nullptr);

    // Plays the sound once everything asked for before it has been heard.
    void play(const QString &name, std::function<void()> finished);
    // Silences the sound playing and drops every one waiting; none of them calls its finished.
    void cut();
    // Silences the sound of that name if it plays, and drops it where it waits.
    void stop(const QString &name);

    bool isIdle() const { return !m_busy && m_waiting.empty(); }

private:
    struct Sound
    {
        QString name;
        std::function<void()> finished;
    };

    void startNext();
    void ended(quint64 serial);

    Play m_play;
    Stop m_stop;
    std::deque<Sound> m_waiting;
    bool m_busy = false;
    QString m_playing;
    std::function<void()> m_finished;
    // Counts the sounds started, so the end of one silenced since is told apart.
    quint64 m_serial = 0;
};
