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
    if ((type != QEvent::KeyPress && type != QEvent::ShortcutOverride)
        || !static_cast<QKeyEvent *>(event)->isAutoRepeat()) {
        return false;
    }
    const auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != m_window) {
        return false;
    }
    // An accepted override keeps the repeat from every shortcut; the key press that follows it
    // is then dropped here.
    event->accept();
    return true;
}
