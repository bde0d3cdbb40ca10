// SPDX-License-Identifier: GPL-3.0-or-later
#include "pausedveil.h"

#include "callerlayout.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

using namespace Qt::StringLiterals;

PausedVeil::PausedVeil(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(u"lblPaused"_s);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

QString PausedVeil::title() const
{
    //: Large, over the whole screen while a game is paused in full screen.
    return tr("Paused");
}

QString PausedVeil::secondsText() const
{
    //: Under "Paused": how long the countdown or the pause had left when the game was paused.
    return m_secondsLeft < 0 ? QString() : tr("Seconds left: %1").arg(m_secondsLeft);
}

void PausedVeil::setSecondsLeft(int seconds)
{
    m_secondsLeft = seconds;
    setAccessibleName(secondsText().isEmpty() ? title() : title() + u", "_s + secondsText());
    update();
}

void PausedVeil::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // Dark enough that white letters stand out over the board's brightest colours.
    painter.fillRect(rect(), QColor(0, 0, 0, 165));
    painter.setPen(Qt::white);
    const QFontMetrics metrics(font());
    const QFont titleFont
        = CallerLayout::fittedFont(font(),
                                   std::max(metrics.horizontalAdvance(title()),
                                            metrics.horizontalAdvance(secondsText()) * 2 / 5),
                                   width());
    painter.setFont(titleFont);
    const QFontMetrics big(titleFont);
    QFont small = titleFont;
    small.setPixelSize(std::max(1, titleFont.pixelSize() * 2 / 5));
    const QFontMetrics smaller(small);
    const int height = big.height() + (m_secondsLeft < 0 ? 0 : smaller.height());
    QRect line(0, (this->height() - height) / 2, width(), big.height());
    painter.drawText(line, Qt::AlignCenter, title());
    if (m_secondsLeft >= 0) {
        painter.setFont(small);
        painter.drawText(QRect(0, line.bottom() + 1, width(), smaller.height()), Qt::AlignCenter,
                         secondsText());
    }
}
