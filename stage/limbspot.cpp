// SPDX-License-Identifier: GPL-3.0-or-later
#include "limbspot.h"

#include "calllabel.h"
#include "calltables.h"
#include "gamewords.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cmath>
#include <numbers>

using namespace Qt::StringLiterals;

namespace {

const QColor PlainSpot(236, 236, 236);
const QColor RimColour(20, 20, 20);

} // namespace

LimbSpot::LimbSpot(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(u"imgCall"_s);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void LimbSpot::showCall(qint16 limbNumber, const QColor &colour)
{
    if (limbNumber == m_limb && colour == m_colour) {
        return;
    }
    m_limb = limbNumber;
    m_colour = colour;
    //: For screen readers: the picture of the call in full screen, while no call stands.
    setAccessibleName(limbNumber == 0 ? tr("Picture of the call") : GameWords::limb(limbNumber));
    update();
}

QColor LimbSpot::spotColour() const
{
    return m_colour.isValid() ? m_colour : PlainSpot;
}

bool LimbSpot::hasRim() const
{
    return CallLabel::contrast(spotColour(), Qt::white) < CallLabel::LeastContrast;
}

QPixmap LimbSpot::limbPicture(int side)
{
    const qreal ratio = devicePixelRatioF();
    const int pixels = int(std::lround(side * ratio));
    if (m_pictureLimb == m_limb && m_picture.width() == pixels) {
        return m_picture;
    }
    const QString name = ::limb(m_limb).sound.section(u'.', 0, 0);
    QImage drawing(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    drawing.fill(Qt::transparent);
    {
        QPainter painter(&drawing);
        painter.setRenderHint(QPainter::Antialiasing);
        QSvgRenderer(u":/pictures/limb-%1.svg"_s.arg(name)).render(&painter);
    }
    // The halo: the drawing's shape in white, spread a little each way beneath it.
    QImage halo(drawing.size(), QImage::Format_ARGB32_Premultiplied);
    halo.fill(Qt::transparent);
    {
        QPainter painter(&halo);
        const int reach = std::max(2, pixels / 60);
        for (int step = 0; step < 16; ++step) {
            const qreal angle = step * std::numbers::pi / 8;
            painter.drawImage(QPointF(reach * std::cos(angle), reach * std::sin(angle)), drawing);
        }
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(halo.rect(), Qt::white);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter.drawImage(0, 0, drawing);
    }
    m_picture = QPixmap::fromImage(halo);
    m_picture.setDevicePixelRatio(ratio);
    m_pictureLimb = m_limb;
    return m_picture;
}

void LimbSpot::paintEvent(QPaintEvent *)
{
    if (m_limb == 0) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF disc = QRectF(rect()).adjusted(1, 1, -1, -1);
    painter.setPen(Qt::NoPen);
    if (hasRim()) {
        painter.setBrush(RimColour);
        painter.drawEllipse(disc);
    }
    const qreal rim = hasRim() ? std::max(2.0, disc.width() / 50) : 0;
    painter.setBrush(spotColour());
    painter.drawEllipse(disc.adjusted(rim, rim, -rim, -rim));
    const int side = int(disc.width() * 0.8);
    const QPoint corner = rect().center() - QPoint(side / 2, side / 2);
    painter.drawPixmap(corner, limbPicture(side));
}
