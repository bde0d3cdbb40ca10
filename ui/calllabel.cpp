// SPDX-License-Identifier: GPL-3.0-or-later
#include "calllabel.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

qreal luminance(const QColor &colour)
{
    const auto linear = [](qreal channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF())
        + 0.0722 * linear(colour.blueF());
}

// Near black: the darkest ground any of the call colours stands out from.
const QColor OutlineColour(20, 20, 20);

} // namespace

CallLabel::CallLabel(QWidget *parent)
    : QLabel(parent)
{
}

qreal CallLabel::contrast(const QColor &a, const QColor &b)
{
    const qreal la = luminance(a);
    const qreal lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

void CallLabel::setOutlineFaintColours(bool outline)
{
    if (outline != m_outlineFaint) {
        m_outlineFaint = outline;
        update();
    }
}

QColor CallLabel::ground() const
{
    if (!autoFillBackground()) {
        return Qt::white;
    }
    // A veil over white: blend it as it will be drawn.
    const QColor veil = palette().color(QPalette::Window);
    const qreal alpha = veil.alphaF();
    return QColor::fromRgbF(veil.redF() * alpha + (1 - alpha), veil.greenF() * alpha + (1 - alpha),
                            veil.blueF() * alpha + (1 - alpha));
}

bool CallLabel::isOutlined() const
{
    return m_outlineFaint && !text().isEmpty()
        && contrast(palette().color(QPalette::WindowText), ground()) < LeastContrast;
}

void CallLabel::paintEvent(QPaintEvent *event)
{
    if (!isOutlined()) {
        QLabel::paintEvent(event);
        return;
    }
    // Each line as a path: a dark stroke first, the colour over it, so the outline lies around
    // the letters and never eats into them.
    const QFontMetricsF metrics(font());
    const QStringList lines = text().split(u'\n');
    const qreal height = metrics.lineSpacing() * lines.size();
    const QRectF area = contentsRect();
    qreal top = area.top();
    if (alignment() & Qt::AlignVCenter) {
        top += (area.height() - height) / 2;
    } else if (alignment() & Qt::AlignBottom) {
        top += area.height() - height;
    }
    QPainterPath path;
    for (const QString &line : lines) {
        const qreal left = area.left() + (area.width() - metrics.horizontalAdvance(line)) / 2;
        path.addText(QPointF(left, top + metrics.ascent()), font(), line);
        top += metrics.lineSpacing();
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal width = std::max(2.0, metrics.capHeight() / 8);
    painter.strokePath(path,
                       QPen(OutlineColour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.fillPath(path, palette().color(QPalette::WindowText));
}
