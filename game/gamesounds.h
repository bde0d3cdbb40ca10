// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class GameSequencer;
struct GameDisplay;

// The game's own sounds beside the calls, for a host who chooses them: a tick for each of the
// countdown's last seconds and a chime as a game starts and as it stops. They follow what the
// game reports, so a game started or stopped by a button, a key or the remote sounds the same.
class GameSounds : public QObject
{
    Q_OBJECT

public:
    static constexpr int TickedSeconds = 3;
    static inline const QString Tick = QStringLiteral("tick.wav");
    static inline const QString StartChime = QStringLiteral("gamestart.wav");
    static inline const QString StopChime = QStringLiteral("gamestop.wav");

    using Play = std::function<void(const QString &name)>;

    GameSounds(GameSequencer *sequencer, Play play, QObject *parent = nullptr);

    void setEnabled(bool enabled) { m_enabled = enabled; }
    bool isEnabled() const { return m_enabled; }

    static QStringList names() { return {Tick, StartChime, StopChime}; }

private:
    void buttonsChanged(bool startEnabled, bool stopEnabled);
    void displayChanged(const GameDisplay &display);
    void play(const QString &name);

    Play m_play;
    bool m_enabled = false;
    // The countdown's last number in this game: its first number gets no tick, so a short
    // countdown doesn't tick over the start's chime.
    int m_lastSeconds = 0;
};
