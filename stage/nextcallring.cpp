// SPDX-License-Identifier: GPL-3.0-or-later
#include "nextcallring.h"

#include "gamesequencer.h"

#include <QPainter>
#include <QTimer>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// A full turn is drawn in this many steps at most; shorter waits step by LeastIntervalMs.
constexpr int Steps = 60;
const QColor Track(225, 229, 236);
const QColor Left(58, 110, 165); // the labels' desktop blue

} // namespace

NextCallRing::NextCallRing(GameSequencer *sequencer, QWidget *parent)
    : QWidget(parent)
    , m_sequencer(sequencer)
{
    setObjectName(u"imgNextCall"_s);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    //: For screen readers: the ring in full screen that empties until the next call.
    setAccessibleName(tr("Time to the next call"));
    m_timer = new QTimer(this);
    m_timer->setTimerType(Qt::CoarseTimer);
    connect(m_timer, &QTimer::timeout, this, &NextCallRing::refresh);
    connect(sequencer, &GameSequencer::phaseChanged, this, &NextCallRing::follow);
    connect(sequencer, &GameSequencer::pausedChanged, this, &NextCallRing::follow);
    // Wait for Next chosen or given up changes the pause under way.
    connect(sequencer, &GameSequencer::optionsChanged, this, &NextCallRing::follow);
    hide();
}

void NextCallRing::setActive(bool active)
{
    m_active = active;
    follow();
}

bool NextCallRing::isTicking() const
{
    return m_timer->isActive();
}

// Shown while a wait runs; ticking only while it moves.
void NextCallRing::follow()
{
    const bool shown = m_active && m_sequencer->waitLength() > 0;
    setVisible(shown);
    if (shown && !m_sequencer->isPaused()) {
        const qint64 length = m_sequencer->waitLength();
        m_timer->start(int(std::max<qint64>(LeastIntervalMs, length / Steps)));
    } else {
        m_timer->stop();
    }
    refresh();
}

void NextCallRing::refresh()
{
    const qint64 length = m_sequencer->waitLength();
    const qreal fraction = !isHidden() && length > 0 ? m_sequencer->waitLeft() / qreal(length) : -1;
    if (fraction != m_fraction) {
        m_fraction = fraction;
        update();
    }
    if (fraction == 0) {
        m_timer->stop(); // the call comes; the next wait starts it again
    }
}

void NextCallRing::paintEvent(QPaintEvent *)
{
    if (m_fraction < 0) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal pen = std::max(3.0, width() / 8.0);
    const QRectF circle = QRectF(rect()).adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2);
    painter.setPen(QPen(Track, pen));
    painter.drawEllipse(circle);
    // Clockwise from the top, what is left.
    painter.setPen(QPen(Left, pen, Qt::SolidLine, Qt::FlatCap));
    painter.drawArc(circle, 90 * 16, -int(m_fraction * 360 * 16));
}
