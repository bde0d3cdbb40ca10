// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamesounds.h"

#include "gamereport.h"
#include "gamesequencer.h"

GameSounds::GameSounds(GameSequencer *sequencer, Play play, QObject *parent)
    : QObject(parent)
    , m_play(std::move(play))
{
    // Start and Stop are the only changes of the buttons, however the game was driven.
    connect(sequencer, &GameSequencer::buttonsChanged, this, &GameSounds::buttonsChanged);
    connect(sequencer, &GameSequencer::displayChanged, this, &GameSounds::displayChanged);
}

void GameSounds::buttonsChanged(bool startEnabled, bool stopEnabled)
{
    if (stopEnabled) {
        m_lastSeconds = 0;
        play(StartChime);
    } else if (startEnabled) {
        play(StopChime);
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

void GameSounds::play(const QString &name)
{
    if (m_enabled) {
        m_play(name);
    }
}
