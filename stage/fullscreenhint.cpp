// SPDX-License-Identifier: GPL-3.0-or-later
#include "fullscreenhint.h"

#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <QWindow>

using namespace Qt::StringLiterals;

FullScreenHint::FullScreenHint(QWidget *window, QWidget *parent)
    : QObject(parent)
    , m_window(window)
{
    //: Shown for a few seconds on entering full screen and when the mouse moves there. Esc is
    //: the Escape key as its cap reads on your keyboards.
    m_label = new QLabel(tr("Esc leaves full screen"), parent);
    m_label->setObjectName(u"lblFullScreenHint"_s);
    m_label->setAlignment(Qt::AlignCenter);
    // Light on dark, so it reads on any part of the screen.
    m_label->setStyleSheet(u"QLabel { color: white; background-color: rgb(40, 40, 40);"
                           " border-radius: 8px; padding: 4px 16px; }"_s);
    m_label->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_label->adjustSize(); // whole until full screen places it
    m_label->hide();

    m_hintTimer = new QTimer(this);
    m_hintTimer->setSingleShot(true);
    m_hintTimer->setInterval(HintMs);
    connect(m_hintTimer, &QTimer::timeout, m_label, &QWidget::hide);
    m_pointerTimer = new QTimer(this);
    m_pointerTimer->setSingleShot(true);
    m_pointerTimer->setInterval(PointerMs);
    connect(m_pointerTimer, &QTimer::timeout, this, [this] { setPointerHidden(true); });
    m_revealTimer = new QTimer(this);
    m_revealTimer->setSingleShot(true);
    m_revealTimer->setInterval(0);
    connect(m_revealTimer, &QTimer::timeout, this, &FullScreenHint::showHint);
}

void FullScreenHint::setDelays(int hintMs, int pointerMs)
{
    m_hintTimer->setInterval(hintMs);
    m_pointerTimer->setInterval(pointerMs);
}

void FullScreenHint::setActive(bool active)
{
    if (active == m_active) {
        return;
    }
    m_active = active;
    // The platform window sees every move of the mouse, whichever widget lies under it.
    if (QWindow *handle = m_window->windowHandle()) {
        if (active) {
            handle->installEventFilter(this);
        } else {
            handle->removeEventFilter(this);
        }
    }
    if (active) {
        showHint();
    } else {
        m_hintTimer->stop();
        m_pointerTimer->stop();
        m_revealTimer->stop();
        m_label->hide();
        setPointerHidden(false);
    }
}

void FullScreenHint::place(const QRect &room, const QFont &font)
{
    m_label->setFont(font);
    const QSize size = m_label->sizeHint().boundedTo(room.size());
    m_label->setGeometry(QRect(
        QPoint(room.center().x() - size.width() / 2, room.bottom() + 1 - size.height()), size));
}

bool FullScreenHint::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::TouchBegin:
        if (m_active && m_pointerHidden) {
            // Revealed once this event has reached what it was aimed at: what was hidden is
            // no target for the touch or click that shows it.
            m_revealTimer->start();
        } else if (m_active) {
            showHint();
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void FullScreenHint::showHint()
{
    m_label->raise();
    m_label->show();
    m_hintTimer->start();
    setPointerHidden(false);
    m_pointerTimer->start();
}

void FullScreenHint::setPointerHidden(bool hidden)
{
    if (hidden == m_pointerHidden) {
        return;
    }
    m_pointerHidden = hidden;
    Q_EMIT pointerHiddenChanged(hidden);
    if (hidden) {
        m_window->setCursor(Qt::BlankCursor);
    } else {
        m_window->unsetCursor();
    }
}
