// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QDialog;
class QWidget;

// What the About box and the hidden window share: a title bar with only a close button, which
// acts as OK; Escape does nothing; no icon; the dialogs' own font; and being discarded once
// closed.
void setUpDialog(QDialog *dialog, const QString &name, const QString &title);

// Closes every other top-level window, the last opened first: modal ones stack, so the active
// one is last. One that refuses to close is hidden.
void closeOtherWindows(const QWidget *keep);

// Places a dialog's frame in the middle of the screen its parent is on, before it first shows
// and again once the window manager has framed it.
void centreOnScreen(QDialog *dialog);
