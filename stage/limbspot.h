// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

// In full screen, the call as a picture for players who can't read yet: the limb drawn on a large
// spot of the call's colour, or on a plain spot while the limb stands alone. A colour too faint
// against the white around it gets a dark rim. It stands over the board's white middle and takes
// no clicks.
class LimbSpot : public QWidget
{
    Q_OBJECT

public:
    explicit LimbSpot(QWidget *parent = nullptr);

    // limb 1 to 4 as in the call tables, 0 for nothing; an invalid colour for the limb alone.
    void showCall(qint16 limb, const QColor &colour);
    qint16 limb() const { return m_limb; }
    QColor colour() const { return m_colour; }
    // The spot's ground: the call's colour, or the plain one of a limb alone.
    QColor spotColour() const;
    bool hasRim() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // The limb's drawing at this size, with a white halo so that it reads on every colour.
    QPixmap limbPicture(int side);

    qint16 m_limb = 0;
    QColor m_colour;
    QPixmap m_picture; // the last drawn, for m_pictureLimb
    qint16 m_pictureLimb = 0;
};
