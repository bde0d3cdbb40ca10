// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class GameSequencer;
class Players;
class SoundChannel;
struct GameDisplay;

// The game's own sounds beside the calls, for a host who chooses them: a tick for each of the
// countdown's last seconds and a chime as a game starts and as it stops (a fanfare in its place
// where the game stopped for its winner). They follow what the
// game reports, so a game started or stopped by a button, a key or the remote sounds the same.
// They share the words' channel, so none is heard over a word or over another: Start and Stop
// cut what still plays (the stopped game's word too) before their chime, and a tick that can't
// be heard on time is left out.
class GameSounds : public QObject
{
    Q_OBJECT

public:
    static constexpr int TickedSeconds = 3;
    static inline const QString Tick = QStringLiteral("tick.wav");
    static inline const QString StartChime = QStringLiteral("gamestart.wav");
    static inline const QString StopChime = QStringLiteral("gamestop.wav");
    static inline const QString WinnerChime = QStringLiteral("gamewin.wav");

    GameSounds(GameSequencer *sequencer, const Players *players, SoundChannel &channel,
               QObject *parent = nullptr);

    void setEnabled(bool enabled) { m_enabled = enabled; }
    bool isEnabled() const { return m_enabled; }

    static QStringList names() { return {Tick, StartChime, StopChime, WinnerChime}; }

private:
    void buttonsChanged(bool startEnabled, bool stopEnabled);
    void displayChanged(const GameDisplay &display);
    void chime(const QString &name);
    void play(const QString &name);

    const Players *m_players;
    SoundChannel &m_channel;
    bool m_enabled = false;
    // The countdown's last number in this game: its first number gets no tick, the Start chime
    // marks it.
    int m_lastSeconds = 0;
};
