// SPDX-License-Identifier: GPL-3.0-or-later
#include "aboutbox.h"

#include "clickablelabel.h"
#include "designfonts.h"
#include "dialogs.h"
#include "hiddenwindow.h"
#include "limboraversion.h"
#include "twips.h"

#include <QFontMetricsF>
#include <QPushButton>

using namespace Qt::StringLiterals;

const QString AboutBox::Title = u"Limbora"_s;

namespace {

constexpr QColor DarkRed(192, 0, 0);

QLabel *addLabel(QWidget *parent, const QString &name, const QString &text, const QRect &geometry)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

void paintTitle(QLabel *label)
{
    label->setFont(designFont(u"Berlin Sans FB"_s, 15.75, QFont::Bold));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, DarkRed);
    label->setPalette(palette);
    label->setAutoFillBackground(true); // the letter must hide the blanks beneath it
}

// The font with its word spacing set so that three blanks take the width of the letter. Qt adds
// word spacing once per run of blanks or once per blank, depending on the shaper; measure which.
QFont narrowBlanks(QFont font, const QString &letter)
{
    const QString blanks = u"   "_s;
    const QFontMetricsF plain(font);
    const qreal excess = plain.horizontalAdvance(blanks) - plain.horizontalAdvance(letter);
    font.setWordSpacing(-1.0);
    const qreal perUnit
        = plain.horizontalAdvance(blanks) - QFontMetricsF(font).horizontalAdvance(blanks);
    font.setWordSpacing(perUnit > 0 ? -excess / perUnit : 0.0);
    return font;
}

} // namespace

AboutBox::AboutBox(PlaySound playAndReturn, QWidget *parent)
    : QDialog(parent)
    , m_playAndReturn(std::move(playAndReturn))
{
    setUpDialog(this, u"frmAbout"_s, tr("About Limbora"));
    setFixedSize(twipsToPixels(4725), twipsToPixels(3360));

    // In tab order.
    const QString blanked = Title.left(SplitLetter) + u"   "_s + Title.mid(SplitLetter + 1);
    QLabel *title = addLabel(this, u"Label1"_s, blanked, twipsRect(360, 360, 2055, 375));
    paintTitle(title);
    //: Who made the program; follows "Created by".
    addLabel(this, u"Label2"_s, tr("The Limbora team"), twipsRect(3000, 480, 1455, 255));
    auto *cmdOk = new QPushButton(tr("&Ok"), this);
    cmdOk->setObjectName(u"cmdOk"_s);
    cmdOk->setGeometry(twipsRect(1680, 2640, 1215, 495));
    cmdOk->setDefault(true);
    QLabel *notice
        = addLabel(this, u"Label3"_s,
                   tr("The floor game's name and trademarks belong to their owners. Limbora is "
                      "not connected with them."),
                   twipsRect(240, 1440, 4215, 495));
    notice->setWordWrap(true);
    //: %1 is the version number.
    addLabel(this, u"Label4"_s, tr("Version %1").arg(QLatin1StringView(LIMBORA_VERSION)),
             twipsRect(3000, 960, 975, 255));
    //: The program's long name, under its title.
    QLabel *longName = addLabel(this, u"Label5"_s, tr("Tanglemat Random Generator"),
                                twipsRect(360, 720, 2175, 255));
    longName->setFont(designFont(u"Times New Roman"_s, 9.75));
    // Its design width clips the long name in a Times-metric face: it grows into the free room.
    longName->setFixedWidth(std::max(
        longName->width(), QFontMetrics(longName->font()).horizontalAdvance(longName->text()) + 2));
    //: The month the program was made.
    addLabel(this, u"Label6"_s, tr("January 2004"), twipsRect(3000, 720, 1335, 255));
    //: Help-->Contents names the menu items as translated in the main window.
    QLabel *pointer = addLabel(this, u"Label7"_s,
                               tr("Click on Help-->Contents or see the Readme.doc file for help, "
                                  "documentation, and other info."),
                               twipsRect(240, 2160, 4095, 375));
    pointer->setWordWrap(true);
    addLabel(this, u"Label8"_s, tr("Created by"), twipsRect(3000, 240, 1455, 255));

    // The letter, painted over the three blanks. The blanks are narrowed to the letter's own
    // width, so that the title reads as one word, and the letter's label covers exactly them.
    auto *lblLetterR = new ClickableLabel(Title.mid(SplitLetter, 1), this);
    lblLetterR->setObjectName(u"lblLetterR"_s);
    paintTitle(lblLetterR);
    title->setFont(narrowBlanks(title->font(), lblLetterR->text()));
    const QFontMetricsF metrics(title->font());
    const qreal blanksStart = metrics.horizontalAdvance(blanked.left(SplitLetter));
    const qreal blanksEnd = metrics.horizontalAdvance(blanked.left(SplitLetter + 3));
    const int left = qRound(blanksStart);
    lblLetterR->setGeometry(title->x() + left, title->y(), qRound(blanksEnd) - left,
                            title->height());
    lblLetterR->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblLetterR->raise();

    cmdOk->setFocus();
    connect(cmdOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(lblLetterR, &ClickableLabel::clicked, this, &AboutBox::lblLetterR_Click);
    centreOnScreen(this);
}

void AboutBox::lblLetterR_Click()
{
    m_playAndReturn(u"hid.wav"_s);
    auto *hidden = new HiddenWindow(this);
    hidden->setModal(true);
    hidden->show();
}
