// SPDX-License-Identifier: GPL-3.0-or-later
#include "heldkeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

HeldKeys::HeldKeys(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    // The application's filter: shortcuts are looked up before the focused widget sees a key.
    qApp->installEventFilter(this);
}

bool HeldKeys::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride
        && type != QEvent::KeyRelease) {
        return false;
    }
    const auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != m_window) {
        return false;
    }
    const auto *key = static_cast<QKeyEvent *>(event);
    if (type == QEvent::KeyRelease) {
        if (!key->isAutoRepeat()) {
            m_released = key->key();
            m_releasedAt = key->timestamp();
        }
        return false;
    }
    // X11 marks a repeat only when its press is already queued behind its release; on a busy
    // machine it often isn't. The repeat's release and press carry the same time, which no
    // hand can match.
    const quint64 at = key->timestamp();
    const bool repeat = key->isAutoRepeat()
        || (key->key() == m_released && at != 0 && at >= m_releasedAt
            && at - m_releasedAt <= RepeatGap);
    if (!repeat) {
        return false;
    }
    // An accepted override keeps the repeat from every shortcut; the key press that follows it
    // is then dropped here.
    event->accept();
    return true;
}
