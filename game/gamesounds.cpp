// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamesounds.h"

#include "gamelog.h"
#include "gamereport.h"
#include "gamesequencer.h"
#include "players.h"
#include "soundchannel.h"

GameSounds::GameSounds(GameSequencer *sequencer, const Players *players, SoundChannel &channel,
                       QObject *parent)
    : QObject(parent)
    , m_players(players)
    , m_channel(channel)
{
    // Start and Stop are the only changes of the buttons, however the game was driven.
    connect(sequencer, &GameSequencer::buttonsChanged, this, &GameSounds::buttonsChanged);
    connect(sequencer, &GameSequencer::displayChanged, this, &GameSounds::displayChanged);
}

void GameSounds::buttonsChanged(bool startEnabled, bool stopEnabled)
{
    if (stopEnabled) {
        m_lastSeconds = 0;
        chime(StartChime);
    } else if (startEnabled) {
        chime(m_players->winner().isEmpty() ? StopChime : WinnerChime);
    }
}

void GameSounds::displayChanged(const GameDisplay &display)
{
    if (display.kind != GameDisplay::Kind::Countdown) {
        return;
    }
    const int seconds = display.seconds;
    const bool first = m_lastSeconds == 0;
    m_lastSeconds = seconds;
    if (!first && seconds >= 1 && seconds <= TickedSeconds) {
        play(Tick);
    }
}

// The chime marks the moment: what is left of the game before it is not heard after it.
void GameSounds::chime(const QString &name)
{
    if (m_enabled) {
        m_channel.cut();
        play(name);
    }
}

void GameSounds::play(const QString &name)
{
    // Only ever after a cut for a chime; a tick heard late would count a wrong second.
    if (!m_enabled || !m_channel.isIdle()) {
        return;
    }
    qCDebug(lcGame, "sound-start %s wait", qUtf8Printable(name));
    m_channel.play(name, [name] { qCDebug(lcGame, "sound-end %s", qUtf8Printable(name)); });
}
