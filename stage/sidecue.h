// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QWidget>

#include <array>

class LimbSpot;

// In full screen, left and right for players who can't read yet: the board's corner where the
// called limb's picture stands is lit with a small twin of the call's spot, and the other three
// corners fade. The players face the screen, so its left is theirs. It lies over the board and
// takes no clicks.
class SideCue : public QWidget
{
    Q_OBJECT

public:
    explicit SideCue(QWidget *parent = nullptr);

    // The board's place and each limb's corner (by limb number - 1), in the parent's terms.
    void place(const QRect &board, const std::array<QRect, 4> &corners);
    // limb 1 to 4 as in the call tables, 0 for nothing; an invalid colour for the limb alone.
    void showCall(qint16 limb, const QColor &colour);
    qint16 limb() const { return m_limb; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void placeTwin();

    LimbSpot *m_twin = nullptr;
    std::array<QRect, 4> m_corners;
    qint16 m_limb = 0;
};
