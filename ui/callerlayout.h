// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "twips.h"

#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>

#include <array>

// Where everything in the caller stands, computed from the size it has: the designed window's
// fixed rectangles, or the whole screen's layout built around a board as tall as the screen. Pure
// geometry and fonts; the window applies what it gets.
namespace CallerLayout {

// The designed window, in pixels.
inline constexpr int BoardSide = 413;
inline constexpr QRect StartRect = twipsRect(2520, 1560, 1335, 615);
inline constexpr QRect StopRect = twipsRect(2520, 3960, 1335, 615);
inline constexpr QRect DisplayRect = twipsRect(960, 3000, 4695, 615);
inline constexpr QRect StatusRect = twipsRect(960, 2280, 4695, 615);
inline constexpr qreal LabelPoints = 15.75;

// The labels' face at the designed size.
QFont labelFont();

// In the designed window the call stands between two discs of the board's ring; the white
// between them, centred on the call, is this wide.
inline constexpr int DiscGap = 235;

// The call's font in the designed window: the labels' face, made smaller for a text that would
// run onto the discs beside it.
QFont designedCallFont(const QString &text);

struct FullScreen
{
    QRect board;
    QRect start;
    QRect stop;
    qreal buttonScale = 1.0; // the buttons' font grows with them
    QRect status;
    QFont statusFont;
    QRect display;
    QFont callFont;
    int callWidth = 0; // what a call may take before it breaks
    bool twoLines = false; // some call is too wide for one line: limb above colour
    QRect hint; // where the hint on leaving stands, at the foot of the room
    QFont hintFont;
    // The stage: the call's picture in the board's plain white middle, the sign of the time to
    // the next call in the room's top corner, the touch controls between STOP! and the hint.
    QRect spot;
    QRect ring;
    QRect controls;
    QFont controlsFont;
    QFont pausedFont;
    // The players' names under STOP!, where some are listed; empty where none are.
    QRect players;
    // Around each limb's picture in the board's corners (by limb number - 1), lit for its call:
    // the players face the screen, so the left limbs' corners are on their left.
    std::array<QRect, 4> corners;

    bool isValid() const { return !board.isEmpty(); }
};

// The board stands at one side of the area (on top, where the area is taller than wide), and the
// buttons, the status, the call and the hint stand one under another in the room beside it, so
// that nothing covers the board's pictures. The call's capitals are a twelfth of the area's
// height where the room allows, on one line if every call (in the installed language) fits,
// else limb above colour; on a wide area the board takes what the call leaves. Rows of players'
// names, where asked for, stand under STOP! (the touch controls under them), the call made
// smaller for them where the room needs it. Invalid for an empty area.
FullScreen fullScreen(const QSize &area, int playerRows = 0);

// The touch controls are at least this tall: a centimetre at 96 dots per inch.
inline constexpr int LeastControlHeight = 38;

// The buttons' font, grown with them.
QFont scaledFont(QFont font, qreal scale);

// A text `widest` pixels wide in this font made smaller where it wouldn't fit in nine tenths of
// `width`: a long word in some language shrinks rather than being cut at the screen's edges.
QFont fittedFont(QFont font, int widest, int width);

// A call too wide for callWidth in this font goes over two lines, limb above colour.
QString fittedCall(const QString &text, const QFont &font, int callWidth);

} // namespace CallerLayout
