// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "remotegame.h"

class GameSequencer;
class RemotePlayer;

// A remote's requests carried to the game sequencer, and what the sequencer reports carried to
// the remote player.
class SequencerRemote final : public RemoteGame
{
public:
    explicit SequencerRemote(GameSequencer &sequencer);

    // The player follows the game from now on, starting with where it stands.
    void follow(RemotePlayer &player);

    void start() override;
    void stop() override;
    void setPaused(bool paused) override;
    void repeatCall() override;
    void nextCall() override;

private:
    GameSequencer &m_sequencer;
};
