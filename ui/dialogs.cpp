// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs.h"

#include "designfonts.h"

#include <QApplication>
#include <QDialog>
#include <QScreen>

void setUpDialog(QDialog *dialog, const QString &name, const QString &title)
{
    dialog->setObjectName(name);
    dialog->setWindowTitle(title);
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowCloseButtonHint);
    dialog->setWindowIcon(QIcon());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setFont(dialogFont());
}

void centreOnScreen(QDialog *dialog)
{
    const QScreen *screen
        = dialog->parentWidget() ? dialog->parentWidget()->screen() : dialog->screen();
    const QPoint centre = screen->availableGeometry().center();
    dialog->move(centre - QPoint(dialog->width() / 2, dialog->height() / 2));
}

void closeOtherWindows(const QWidget *keep)
{
    while (QWidget *modal = QApplication::activeModalWidget()) {
        if (modal == keep) {
            break;
        }
        modal->close();
        modal->hide(); // even one that refused to close
    }
    for (QWidget *other : QApplication::topLevelWidgets()) {
        if (other != keep && other->isVisible()) {
            other->close();
        }
    }
}
