// SPDX-License-Identifier: GPL-3.0-or-later
#include "callerlayout.h"

#include "calltables.h"
#include "designfonts.h"
#include "gamewords.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace CallerLayout {

namespace {

// In full screen a call's capitals stand at least this share of the screen's height, with a
// little to spare for rounding, and the status at half of it.
constexpr qreal CallCapShare = 1.0 / 12.0 * 1.04;
constexpr qreal StatusCapShare = CallCapShare / 2.0;
// The call's picture is this many times the call's capitals tall where the board's middle is
// smaller, as far as the room beside the call allows.
constexpr qreal SpotPerCap = 3.5;
// Where the board draws each limb's picture, in its 413 units, by limb number (the hands below
// left and above right, the feet above left and below right), and the reach of the light around
// it: inside the board and off the screen's edge, clear of the ring of colours and of the
// corners' words.
constexpr std::array<QPointF, 4> CornerPictures{QPointF(40, 356), QPointF(373, 54), QPointF(40, 62),
                                                QPointF(373, 357)};
constexpr qreal CornerReach = 36;

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

QFont designedCallFont(const QString &text)
{
    QFont font = labelFont();
    const qreal width = QFontMetricsF(font).horizontalAdvance(text);
    if (width <= DiscGap) {
        return font;
    }
    // Text is drawn at whole pixels, whose widths don't shrink exactly with the size: from a
    // pixel above the estimate, step down until the text fits.
    const int designed = QFontInfo(font).pixelSize();
    int pixels = std::min(designed - 1, int(designed * DiscGap / width) + 1);
    font.setPixelSize(std::max(1, pixels));
    while (pixels > 1 && QFontMetricsF(font).horizontalAdvance(text) > DiscGap) {
        font.setPixelSize(--pixels);
    }
    return font;
}

FullScreen fullScreen(const QSize &area, int playerRows)
{
    FullScreen layout;
    if (area.isEmpty()) {
        return layout;
    }
    QFont callFont = fontWithCapHeight(area.height() * CallCapShare);
    const auto widest = [](const QFont &font, const QStringList &texts) {
        const QFontMetricsF metrics(font);
        qreal width = 0;
        for (const QString &text : texts) {
            width = std::max(width, metrics.horizontalAdvance(text));
        }
        return int(std::ceil(width));
    };
    QStringList calls;
    QStringList parts;
    for (qint16 l = DrawLower; l <= DrawUpper; ++l) {
        const QString limbText = GameWords::limb(l);
        calls << GameWords::limbAlone(limbText).trimmed();
        for (qint16 c = DrawLower; c <= DrawUpper; ++c) {
            calls << GameWords::call(limbText, GameWords::colour(c));
            parts << GameWords::callLines(calls.last()); // the lines of a call over two
        }
    }
    // The countdown shows in the call's place and font.
    for (qint16 seconds : {qint16(10), qint16(60)}) {
        calls << GameWords::display({GameDisplay::Kind::Countdown, seconds, Call(), Rgb()});
    }
    const int widestPart = widest(callFont, parts);

    const int margin = std::max(8, area.height() / 40);
    int side = 0;
    QRect room;
    if (area.width() >= area.height()) {
        // The room holds a call's longer word; the board takes the rest, up to the full height.
        side = std::clamp(area.width() - widestPart - 2 * margin, area.height() / 6, area.height());
        room = QRect(side, 0, area.width() - side, area.height());
        layout.board = QRect(0, (area.height() - side) / 2, side, side);
    } else {
        side = std::min(area.width(), area.height() * 45 / 100);
        room = QRect(0, side, area.width(), area.height() - side);
        layout.board = QRect((area.width() - side) / 2, 0, side, side);
    }
    const QRect inner = room.adjusted(margin, margin, -margin, -margin);

    // Fitting the room's width comes before size.
    layout.callWidth = inner.width();
    layout.twoLines = widest(callFont, calls) > layout.callWidth;
    if (layout.twoLines && widestPart > layout.callWidth) {
        callFont.setPixelSize(std::max(1, callFont.pixelSize() * layout.callWidth / widestPart));
    }
    QFont statusFont = fontWithCapHeight(area.height() * StatusCapShare);
    const int widestStatus = widest(
        statusFont,
        {GameWords::status(GameStatus::Starting), GameWords::status(GameStatus::InProgress),
         GameWords::status(GameStatus::Paused), GameWords::status(GameStatus::Stopped)});
    if (widestStatus > inner.width()) {
        statusFont.setPixelSize(std::max(1, statusFont.pixelSize() * inner.width() / widestStatus));
    }
    layout.statusFont = statusFont;
    layout.hintFont = fontWithCapHeight(area.height() * StatusCapShare / 1.5);
    const int hintHeight = QFontMetrics(layout.hintFont).lineSpacing() * 3 / 2;

    layout.buttonScale = std::min({area.width(), area.height(), room.height()}) / qreal(BoardSide);
    layout.buttonScale = std::min(layout.buttonScale, inner.width() / qreal(StartRect.width()));
    const QSize buttonSize(int(std::lround(StartRect.width() * layout.buttonScale)),
                           int(std::lround(StartRect.height() * layout.buttonScale)));
    const int statusHeight = QFontMetrics(statusFont).lineSpacing() * 5 / 4;
    const int lines = layout.twoLines ? 2 : 1;
    // What the call may take of the room's height, the rest standing with small gaps.
    const int controlHeight = std::max(LeastControlHeight, area.height() / 14);
    // A name's row is lower than a control, so that nine names leave the call large.
    const int playersHeight = playerRows * std::max(LeastControlHeight, area.height() / 20);
    // With names under STOP!, the touch controls need their own room below them.
    const int reserved = playersHeight > 0 ? playersHeight + controlHeight : 0;
    const int fixed = 2 * buttonSize.height() + statusHeight + hintHeight + reserved + 5 * margin;
    int callHeight = QFontMetrics(callFont).lineSpacing() * lines;
    if (callHeight > inner.height() - fixed) {
        callFont.setPixelSize(
            std::max(1, callFont.pixelSize() * std::max(1, inner.height() - fixed) / callHeight));
        callHeight = QFontMetrics(callFont).lineSpacing() * lines;
    }
    layout.callFont = callFont;
    // A font made smaller for the height may bring every call back onto one line.
    layout.twoLines = widest(callFont, calls) > layout.callWidth;
    const int gap = std::max(0,
                             (inner.height() - 2 * buttonSize.height() - statusHeight - callHeight
                              - hintHeight - reserved)
                                 / 5);

    // Top to bottom: START, the status, the call, STOP!, and the hint at the foot.
    int top = inner.top();
    const auto button = [&] {
        const QRect rect(QPoint(room.center().x() - buttonSize.width() / 2, top), buttonSize);
        top += buttonSize.height() + gap;
        return rect;
    };
    layout.start = button();
    layout.status = QRect(inner.left(), top, inner.width(), statusHeight);
    top += statusHeight + gap;
    layout.display = QRect(inner.left(), top, inner.width(), callHeight);
    top += callHeight + gap;
    layout.stop = button();
    if (playersHeight > 0) {
        layout.players = QRect(inner.left(), top, inner.width(), playersHeight);
    }
    layout.hint = QRect(inner.left(), inner.bottom() + 1 - hintHeight, inner.width(), hintHeight);

    // The board's middle is a white disc of radius 116 around (226, 205) on its 413 units; the
    // spot leaves a margin of it white. Where the board is small (a screen nearer square), the
    // picture stays several times the capitals' height and covers the ring instead.
    const qreal unit = layout.board.width() / qreal(BoardSide);
    const QRect stage = area.width() >= area.height() ? QRect(0, 0, room.left(), area.height())
                                                      : QRect(0, 0, area.width(), room.top());
    const int spotSide = std::min(
        {std::max(int(std::lround(200 * unit)),
                  int(std::ceil(QFontMetricsF(layout.callFont).capHeight() * SpotPerCap))),
         stage.width(), stage.height()});
    layout.spot = QRect(0, 0, spotSide, spotSide);
    layout.spot.moveCenter(layout.board.topLeft() + QPointF(226 * unit, 205 * unit).toPoint());
    layout.spot.moveLeft(std::clamp(layout.spot.left(), stage.left(),
                                    std::max(stage.left(), stage.right() + 1 - spotSide)));
    layout.spot.moveTop(std::clamp(layout.spot.top(), stage.top(),
                                   std::max(stage.top(), stage.bottom() + 1 - spotSide)));
    const int ringSide = std::max(16, buttonSize.height());
    layout.ring = QRect(inner.right() + 1 - ringSide, inner.top(), ringSide, ringSide);
    const int above = playersHeight > 0 ? layout.players.bottom() : layout.stop.bottom();
    const int free = layout.hint.top() - above - 1;
    layout.controls = QRect(inner.left(), above + 1 + std::max(0, (free - controlHeight) / 2),
                            inner.width(), controlHeight);
    layout.controlsFont = labelFont();
    layout.controlsFont.setPixelSize(std::max(12, controlHeight * 2 / 5));
    layout.pausedFont = fontWithCapHeight(area.height() / 6.0);
    for (std::size_t limb = 0; limb < CornerPictures.size(); ++limb) {
        const QPointF centre = layout.board.topLeft() + CornerPictures[limb] * unit;
        const QPointF reach(CornerReach * unit, CornerReach * unit);
        layout.corners[limb] = QRectF(centre - reach, centre + reach).toRect();
    }
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

QFont fittedFont(QFont font, int widest, int width)
{
    if (widest > width * 9 / 10 && font.pixelSize() > 0) {
        font.setPixelSize(std::max(1, font.pixelSize() * width * 9 / 10 / widest));
    }
    return font;
}

QString fittedCall(const QString &text, const QFont &font, int callWidth)
{
    if (QFontMetrics(font).horizontalAdvance(text) <= callWidth) {
        return text;
    }
    return GameWords::callLines(text).join(u'\n');
}

} // namespace CallerLayout
