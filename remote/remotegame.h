// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a remote may ask of a game. The player decides when to ask; the game keeps its own rules
// (a repeat only in a call's pause, and so on).
class RemoteGame
{
public:
    virtual ~RemoteGame() = default;

    virtual void start() = 0;
    virtual void stop() = 0;
    virtual void setPaused(bool paused) = 0;
    virtual void repeatCall() = 0;
    virtual void nextCall() = 0;
};
