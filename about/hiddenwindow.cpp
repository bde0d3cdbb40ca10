// SPDX-License-Identifier: GPL-3.0-or-later
#include "hiddenwindow.h"

#include "designfonts.h"
#include "dialogs.h"
#include "twips.h"

#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

QLabel *addCredit(QWidget *parent, const QString &name, const QString &text, const QRect &geometry)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setFont(designFont(u"Comic Sans MS"_s, 6.75));
    return label;
}

} // namespace

HiddenWindow::HiddenWindow(QWidget *parent)
    : QDialog(parent)
{
    setUpDialog(this, u"frmHiddenWindow"_s, tr("Hidden Window!")); // sizable
    setSizeGripEnabled(false);
    resize(twipsToPixels(4605), twipsToPixels(3660));

    // In tab order. The picture box: the picture in a 2-pixel sunken border, first to take focus.
    auto *picture = new QLabel(this);
    m_picture = picture;
    picture->setObjectName(u"Picture1"_s);
    picture->setGeometry(twipsRect(240, 240, 1950, 2910));
    picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picture->setLineWidth(2);
    picture->setPixmap(QPixmap(u":/pictures/portrait.png"_s));
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setFocusPolicy(Qt::StrongFocus);

    auto *cmdOk = new QPushButton(tr("&OK"), this);
    cmdOk->setObjectName(u"cmdOk"_s);
    cmdOk->setGeometry(twipsRect(2760, 2520, 1455, 735));
    cmdOk->setDefault(true);

    addCredit(this, u"Label2"_s, tr("Limbora, by the Limbora team"),
              twipsRect(240, 3240, 2175, 255));
    //: Credit for the portrait beside it.
    addCredit(this, u"Label1"_s, tr("Drawn by us"), twipsRect(3000, 360, 1095, 255));
    auto *thanks = new QLabel(
        tr("Thank you for playing, and for every tangle you laughed your way out of!"), this);
    thanks->setObjectName(u"Label3"_s);
    thanks->setGeometry(twipsRect(2280, 1080, 2175, 975));
    thanks->setAlignment(Qt::AlignCenter);
    thanks->setWordWrap(true);

    setTabOrder(picture, cmdOk);
    connect(cmdOk, &QPushButton::clicked, this, &QDialog::accept);
    centreOnScreen(this);
}

void HiddenWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // The picture, first in the tab order, has the focus; Enter still presses OK.
    m_picture->setFocus();
}
