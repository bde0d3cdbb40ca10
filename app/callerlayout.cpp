// SPDX-License-Identifier: GPL-3.0-or-later
#include "callerlayout.h"

#include "calltables.h"
#include "designfonts.h"
#include "gamewords.h"

#include <QFontMetrics>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace CallerLayout {

namespace {

// In full screen a call's capitals stand at least this share of the screen's height, with a
// little to spare for rounding, and the status at half of it.
constexpr qreal CallCapShare = 1.0 / 12.0 * 1.04;
constexpr qreal StatusCapShare = CallCapShare / 2.0;
// What a call may take of the screen's width, leaving a margin at each side.
constexpr qreal CallWidthShare = 0.94;

// A font of the label face whose capital letters are `cap` pixels tall.
QFont fontWithCapHeight(qreal cap)
{
    QFont font = labelFont();
    font.setPixelSize(1000);
    const qreal ratio = QFontMetricsF(font).capHeight() / 1000.0;
    font.setPixelSize(int(std::ceil(cap / (ratio > 0 ? ratio : 0.7))));
    return font;
}

} // namespace

QFont labelFont()
{
    return designFont(u"Comic Sans MS"_s, LabelPoints);
}

FullScreen fullScreen(const QSize &area)
{
    FullScreen layout;
    const int side = std::min(area.width(), area.height());
    if (side <= 0) {
        return layout;
    }
    const QPoint origin((area.width() - side) / 2, (area.height() - side) / 2);
    layout.board = QRect(origin, QSize(side, side));

    const auto band = [&](qreal top, qreal height) {
        return QRect(0, origin.y() + int(side * top), area.width(), int(side * height));
    };
    layout.buttonScale = qreal(side) / BoardSide;
    const QSize buttonSize(int(std::lround(StartRect.width() * layout.buttonScale)),
                           int(std::lround(StartRect.height() * layout.buttonScale)));
    const auto button = [&](qreal top) {
        return QRect(QPoint((area.width() - buttonSize.width()) / 2, origin.y() + int(side * top)),
                     buttonSize);
    };
    layout.start = button(0.06);
    layout.stop = button(0.82);

    layout.statusFont = fontWithCapHeight(side * StatusCapShare);
    layout.status = band(0.19, 0.11);

    layout.callWidth = int(area.width() * CallWidthShare);
    QFont callFont = fontWithCapHeight(area.height() * CallCapShare);
    int widestLine = 0;
    int widestPart = 0;
    const QFontMetrics metrics(callFont);
    for (qint16 l = DrawLower; l <= DrawUpper; ++l) {
        for (qint16 c = DrawLower; c <= DrawUpper; ++c) {
            const QString limbText = GameWords::limb(l).trimmed();
            const QString colourWord = GameWords::colour(c);
            widestLine = std::max(widestLine,
                                  metrics.horizontalAdvance(GameWords::call(limbText, colourWord)));
            widestPart = std::max({widestPart, metrics.horizontalAdvance(limbText),
                                   metrics.horizontalAdvance(colourWord)});
        }
    }
    layout.twoLines = widestLine > layout.callWidth;
    if (layout.twoLines && widestPart > layout.callWidth) {
        // Even a line of its own is too wide: fitting matters more than size.
        callFont.setPixelSize(callFont.pixelSize() * layout.callWidth / widestPart);
    }
    layout.callFont = callFont;
    const qreal lineShare = qreal(QFontMetrics(callFont).lineSpacing()) / side;
    const QRect callBand = layout.twoLines ? band(0.50 - lineShare, 2 * lineShare + 0.02)
                                           : band(0.50 - lineShare / 2, lineShare + 0.02);
    const int margin = (area.width() - layout.callWidth) / 2;
    layout.display = callBand.adjusted(margin, 0, -margin, 0);
    return layout;
}

QFont scaledFont(QFont font, qreal scale)
{
    if (font.pointSizeF() > 0) {
        font.setPointSizeF(font.pointSizeF() * scale);
    } else {
        font.setPixelSize(int(std::lround(font.pixelSize() * scale)));
    }
    return font;
}

QString fittedCall(const QString &text, const QFont &font, int callWidth)
{
    if (QFontMetrics(font).horizontalAdvance(text) <= callWidth) {
        return text;
    }
    QString lines = text.trimmed();
    const qsizetype lastSpace = lines.lastIndexOf(u' ');
    if (lastSpace > 0) {
        lines[lastSpace] = u'\n';
    }
    return lines;
}

} // namespace CallerLayout
