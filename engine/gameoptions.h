// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calltables.h"

#include <QList>

// How a game is played: the pace, which limbs and colours are called, whether calls are spoken,
// and whether the same call may come twice in a row. The defaults are the classic game.
struct GameOptions
{
    static constexpr int MinPauseSeconds = 1;
    static constexpr int MaxPauseSeconds = 60;
    static constexpr int MinCountdownSeconds = 3;
    static constexpr int MaxCountdownSeconds = 60;

    int pauseSeconds = 7;
    int countdownSeconds = 10;
    // Numbers as in the call tables, ascending, never empty.
    QList<qint16> limbs{1, 2, 3, 4};
    QList<qint16> colours{1, 2, 3, 4};
    bool spoken = true;
    bool repeatsAllowed = true;
    // No pause runs after a call: the next one comes when asked for, like a spinner that waits
    // to be spun.
    bool waitForNext = false;

    friend bool operator==(const GameOptions &, const GameOptions &) = default;
};
