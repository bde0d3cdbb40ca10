// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs.h"

#include "designfonts.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QScreen>
#include <QWindow>

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

// Where the frame's corner goes for a frame of this size to stand in the middle of the screen
// the dialog's parent is on.
QPoint centredFrame(const QWidget *dialog, QSize frame)
{
    const QScreen *screen
        = dialog->parentWidget() ? dialog->parentWidget()->screen() : dialog->screen();
    const QRect available = screen->availableGeometry();
    return available.topLeft()
        + QPoint((available.width() - frame.width()) / 2,
                 (available.height() - frame.height()) / 2);
}

// Once, as soon as the frame is known: the title bar makes the frame taller than the client.
class FrameCentring : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *dialog = static_cast<QWidget *>(parent());
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::Move:
        case QEvent::Resize:
            if (watched == dialog && dialog->windowHandle()
                && !dialog->windowHandle()->frameMargins().isNull()) {
                deleteLater();
                dialog->removeEventFilter(this);
                dialog->move(centredFrame(dialog, dialog->windowHandle()->frameGeometry().size()));
            }
            break;
        default:
            break;
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
    dialog->move(centredFrame(dialog, dialog->size()));
    // Centred again by the frame once the window manager has framed it; before that the
    // frame's margins read as none.
    dialog->installEventFilter(new FrameCentring(dialog));
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
