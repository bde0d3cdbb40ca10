// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QDialog;

// What the About box and the hidden window share: a title bar with only a close button, which
// acts as OK; no icon; the dialogs' own font; and being discarded once closed.
void setUpDialog(QDialog *dialog, const QString &name, const QString &title);

// Places a dialog in the middle of the screen its parent is on, before it first shows.
void centreOnScreen(QDialog *dialog);
