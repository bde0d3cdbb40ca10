// SPDX-License-Identifier: GPL-3.0-or-later
#include "sequencerremote.h"

#include "gamesequencer.h"
#include "remoteplayer.h"

SequencerRemote::SequencerRemote(GameSequencer &sequencer)
    : m_sequencer(sequencer)
{
}

void SequencerRemote::follow(RemotePlayer &player)
{
    QObject::connect(&m_sequencer, &GameSequencer::statusChanged, &player,
                     &RemotePlayer::showStatus);
    QObject::connect(&m_sequencer, &GameSequencer::displayChanged, &player,
                     &RemotePlayer::showDisplay);
    // A game runs while its Stop is enabled.
    QObject::connect(&m_sequencer, &GameSequencer::buttonsChanged, &player,
                     [&player](bool, bool stopEnabled) { player.setRunning(stopEnabled); });
    QObject::connect(&m_sequencer, &GameSequencer::pausedChanged, &player,
                     &RemotePlayer::setPaused);
    QObject::connect(&m_sequencer, &GameSequencer::nextCallableChanged, &player,
                     &RemotePlayer::setNextCallable);
    player.setRunning(m_sequencer.stopEnabled());
    player.setNextCallable(m_sequencer.nextCallable());
    player.setPaused(m_sequencer.isPaused());
    player.showStatus(m_sequencer.status());
    player.showDisplay(m_sequencer.display());
}

void SequencerRemote::start()
{
    m_sequencer.start();
}

void SequencerRemote::stop()
{
    m_sequencer.stop();
}

void SequencerRemote::setPaused(bool paused)
{
    m_sequencer.setPaused(paused);
}

void SequencerRemote::repeatCall()
{
    m_sequencer.repeatCall();
}

void SequencerRemote::nextCall()
{
    m_sequencer.nextCall();
}
