// SPDX-License-Identifier: GPL-3.0-or-later
#include "winnerbanner.h"

#include "callerlayout.h"
#include "gamewords.h"

#include <QFontMetrics>
#include <QPainter>

using namespace Qt::StringLiterals;

WinnerBanner::WinnerBanner(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(u"lblWinner"_s);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void WinnerBanner::setWinner(const QString &name)
{
    m_winner = name;
    setAccessibleName(text());
    update();
}

QString WinnerBanner::text() const
{
    return m_winner.isEmpty() ? QString() : GameWords::winner(m_winner);
}

void WinnerBanner::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // A band of gold across the stage, the board's colours still showing above and below it.
    const QFont big
        = CallerLayout::fittedFont(font(), QFontMetrics(font()).horizontalAdvance(text()), width());
    const int band = QFontMetrics(big).height() * 3 / 2;
    const QRect line(0, (height() - band) / 2, width(), band);
    painter.fillRect(line, QColor(255, 204, 0, 235));
    painter.setPen(QPen(QColor(60, 60, 60), 4));
    painter.drawLine(line.topLeft(), line.topRight());
    painter.drawLine(line.bottomLeft(), line.bottomRight());
    painter.setFont(big);
    painter.setPen(Qt::black);
    painter.drawText(line, Qt::AlignCenter, text());
}
