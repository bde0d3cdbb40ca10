// SPDX-License-Identifier: GPL-3.0-or-later
#include "sidecue.h"

#include "callerlayout.h"
#include "limbspot.h"

#include <QPainter>
#include <QPainterPath>

using namespace Qt::StringLiterals;

namespace {

// Enough to leave the other corners' pictures a faint trace, so the board still looks whole.
const QColor Fade(255, 255, 255, 225);

} // namespace

SideCue::SideCue(QWidget *parent)
    : QWidget(parent)
    , m_twin(new LimbSpot(this))
{
    setObjectName(u"imgSideCue"_s);
    m_twin->setObjectName(u"imgSideCall"_s);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void SideCue::place(const QRect &board, const std::array<QRect, 4> &corners)
{
    setGeometry(board);
    for (std::size_t i = 0; i < corners.size(); ++i) {
        m_corners[i] = corners[i].translated(-board.topLeft());
    }
    placeTwin();
    update();
}

void SideCue::showCall(qint16 limb, const QColor &colour)
{
    m_twin->showCall(limb, colour);
    if (limb != m_limb) {
        m_limb = limb;
        placeTwin();
        update();
    }
}

void SideCue::placeTwin()
{
    if (m_limb > 0) {
        m_twin->setGeometry(m_corners[std::size_t(m_limb - 1)]);
    }
    m_twin->setVisible(m_limb > 0);
}

void SideCue::paintEvent(QPaintEvent *)
{
    if (m_limb == 0) {
        return;
    }
    // Each corner's word and picture, from the board's edges; the ring of colours stays whole,
    // and so does the pale band around it, but where a picture reaches into it.
    // The lit corner's own picture gives way to its twin, its word stays.
    const qreal unit = width() / qreal(CallerLayout::BoardSide);
    const QSizeF reach(130 * unit, 110 * unit);
    const qreal word = 20 * unit;
    QPainterPath band;
    band.addEllipse(QPointF(226, 205) * unit, 180 * unit, 180 * unit);
    QPainterPath ring;
    ring.addEllipse(QPointF(226, 205) * unit, 174 * unit, 174 * unit);
    QPainter painter(this);
    for (std::size_t i = 0; i < m_corners.size(); ++i) {
        const QPointF centre = m_corners[i].center();
        const bool top = centre.y() < height() / 2.0;
        const QPointF corner(centre.x() < width() / 2.0 ? 0 : width() - reach.width(),
                             top ? 0 : height() - reach.height());
        QPainterPath area;
        const bool lit = i == std::size_t(m_limb - 1);
        area.addRect(
            QRectF(corner, reach).adjusted(0, top && lit ? word : 0, 0, !top && lit ? -word : 0));
        QPainterPath picture;
        const qreal spread = 6 * unit; // a sock's cuff reaches a little past the twin's disc
        picture.addEllipse(QRectF(m_corners[i]).adjusted(-spread, -spread, spread, spread));
        area = area.subtracted(band).united(picture.subtracted(ring).intersected(area));
        painter.fillPath(area, lit ? QColor(Qt::white) : Fade);
    }
}
