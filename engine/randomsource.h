// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRandomGenerator>

// Where the draw's r comes from. Tests script it; the program uses SystemRandom.
class RandomSource
{
public:
    virtual ~RandomSource() = default;

    virtual void reseed() = 0;
    // Uniform in [0, 1) with 24 bits, like a single-precision value.
    virtual float next() = 0;
};

class SystemRandom final : public RandomSource
{
public:
    void reseed() override; // from the clock, at each game's start
    float next() override;

private:
    QRandomGenerator m_generator;
};
