// SPDX-License-Identifier: GPL-3.0-or-later
#include "randomsource.h"

#include <chrono>

void SystemRandom::reseed()
{
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    m_generator.seed(quint32(ticks) ^ quint32(quint64(ticks) >> 32));
}

float SystemRandom::next()
{
    // The top 24 bits scaled by 2^-24: exact in a float, and never 1.
    return float(m_generator.generate() >> 8) * 0x1p-24f;
}
