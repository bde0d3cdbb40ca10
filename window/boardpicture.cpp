// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardpicture.h"

#include "callerlayout.h"

#include <QFile>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QSvgRenderer>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// `kind` is "png" for the designed window's picture, "svg" for its vector source.
QString pictureFile(QStringView kind)
{
    const QString language = QLocale().name().section(u'_', 0, 0);
    const QString translated = u":/pictures/board-%1.%2"_s.arg(language, kind);
    return QFile::exists(translated) ? translated : u":/pictures/board.%1"_s.arg(kind);
}

QPixmap render(int side, qreal pixelRatio)
{
    const int pixels = int(std::lround(side * pixelRatio));
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QSvgRenderer renderer(pictureFile(u"svg"));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(0, 0, pixels, pixels));
    painter.end();
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(pixelRatio);
    return pixmap;
}

bool fits(const QPixmap &pixmap, int side, qreal pixelRatio)
{
    return !pixmap.isNull() && pixmap.devicePixelRatio() == pixelRatio
        && pixmap.deviceIndependentSize().toSize() == QSize(side, side);
}

} // namespace

QPixmap BoardPicture::designed(qreal pixelRatio)
{
    if (!fits(m_designed, CallerLayout::BoardSide, pixelRatio)) {
        // At one device pixel to a pixel the drawn picture is exact; above it, it would blur.
        m_designed = pixelRatio == 1.0 ? QPixmap(pictureFile(u"png"))
                                       : render(CallerLayout::BoardSide, pixelRatio);
    }
    return m_designed;
}

QPixmap BoardPicture::drawn(int side, qreal pixelRatio)
{
    // A window manager between states passes through sizes of its own: those are kept too.
    constexpr qsizetype Kept = 3;
    for (qsizetype i = 0; i < m_drawn.size(); ++i) {
        if (fits(m_drawn[i], side, pixelRatio)) {
            m_drawn.move(i, 0);
            return m_drawn.first();
        }
    }
    m_drawn.prepend(render(side, pixelRatio));
    if (m_drawn.size() > Kept) {
        m_drawn.removeLast();
    }
    return m_drawn.first();
}
