// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "twips.h"

#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

#include <array>

// Where the main window was left: its outer frame, stored between runs as the decimal text of
// twips (15 to a pixel) under "Settings" in Limbora's per-user settings, keys MainLeft, MainTop,
// MainWidth and MainHeight. Nothing is ever reported: a setting that can't be read falls back
// to its default, and one that can't be written is simply not kept.
class PlacementStore
{
public:
    // The stored frame in pixels; defaults 1000, 1000, 6500, 6500 twips for what is missing or
    // unusable (not a finite number, or a size outside smallest to largest, or not positive).
    QRect restore(const QSize &smallest = QSize(1, 1), const QSize &largest = QSize());

    // Writes all four values in order. A value that the window still has is written back exactly
    // as it was read, so twips-to-pixel rounding never makes the stored numbers creep.
    void save(const QRect &frame);

private:
    struct Read
    {
        QString text;
        int pixels = 0;
    };
    std::array<Read, 4> m_read;
    bool m_restored = false;
};

// Keeps a frame where the user can grab it: when no screen shows any of its title bar, the frame
// is moved onto the nearest screen, as far inside it as its size allows.
QRect keepOnScreen(const QRect &frame, const QList<QRect> &screens);
