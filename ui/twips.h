// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

// The windows are designed in twips: 1/1440 inch, 15 to a pixel at 96 dots per inch.
inline constexpr int TwipsPerPixel = 15;

constexpr int twipsToPixels(int twips)
{
    return twips / TwipsPerPixel;
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}
