// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calltables.h"

// What a game reports to the window: which status and which display to show. It holds numbers,
// never words, so that the window can put them into the players' language.

enum class GameStatus { Blank, Starting, InProgress, Stopped, Paused };

struct GameDisplay
{
    enum class Kind { Blank, Countdown, Limb, Call };

    Kind kind = Kind::Blank;
    qint16 seconds = 0; // left in a countdown
    Call call; // the limb alone, or the limb and its colour
    Rgb colour;

    friend bool operator==(const GameDisplay &, const GameDisplay &) = default;
};
