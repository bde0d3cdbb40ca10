// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <functional>

// A monotonic millisecond clock with one alarm. The sequencer waits only through this, so tests
// can drive a whole game with a fake clock instead of real seconds.
class GameClock
{
public:
    virtual ~GameClock() = default;

    virtual qint64 now() const = 0;
    // Runs callback once the clock reaches deadline; replaces any alarm still pending.
    virtual void wakeAt(qint64 deadline, std::function<void()> callback) = 0;
    virtual void cancelWake() = 0;
};
