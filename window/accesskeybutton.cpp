// SPDX-License-Identifier: GPL-3.0-or-later
#include "accesskeybutton.h"

#include <QShortcutEvent>

AccessKeyButton::AccessKeyButton(const QString &caption, QWidget *parent)
    : QPushButton(caption, parent)
{
}

bool AccessKeyButton::event(QEvent *event)
{
    if (event->type() == QEvent::Shortcut) {
        const auto *shortcut = static_cast<QShortcutEvent *>(event);
        // An ambiguous key only moves the focus, as Qt does; a disabled button never gets here.
        if (!shortcut->isAmbiguous() && shortcut->key() == this->shortcut()) {
            click();
            return true;
        }
    }
    return QPushButton::event(event);
}
