// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs.h"

#include "designfonts.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QScreen>

namespace {

// These windows have no cancel button, so Escape has nothing to press; OK (Enter) and the title
// bar's close button close them.
class EscapeIgnored : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress && watched == parent()) {
            const auto *key = static_cast<QKeyEvent *>(event);
            if (key->key() == Qt::Key_Escape || key->matches(QKeySequence::Cancel)) {
                return true;
            }
        }
        return false;
    }
};

} // namespace

void setUpDialog(QDialog *dialog, const QString &name, const QString &title)
{
    dialog->setObjectName(name);
    dialog->setWindowTitle(title);
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowCloseButtonHint);
    dialog->setWindowIcon(QIcon());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setFont(dialogFont());
    dialog->installEventFilter(new EscapeIgnored(dialog));
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
