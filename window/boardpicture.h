// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPixmap>

// The board behind the caller, with its corners named in the language's own picture where there
// is one. Drawn from its vector source at the screen's own pixels wherever the drawn picture would
// be scaled up; the last pictures are kept, so that switching back and forth between
// the window and full screen draws nothing again.
class BoardPicture
{
public:
    // The designed window's board, 413 pixels a side at the given device pixel ratio.
    QPixmap designed(qreal pixelRatio);
    // A board of side pixels (device-independent) at the given device pixel ratio.
    QPixmap drawn(int side, qreal pixelRatio);

private:
    QPixmap m_designed;
    QList<QPixmap> m_drawn; // the last used first
};
