// SPDX-License-Identifier: GPL-3.0-or-later
#include "aboutbox.h"
#include "designfonts.h"
#include "helplauncher.h"
#include "hiddenwindow.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <sys/stat.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// The frame, title bar included, in the middle of the screen once the frame is known.
bool standsInTheMiddle(const QWidget *window)
{
    const QPointF off = QRectF(window->windowHandle()->frameGeometry()).center()
        - QRectF(window->screen()->availableGeometry()).center();
    return !window->windowHandle()->frameMargins().isNull() && qAbs(off.x()) <= 1
        && qAbs(off.y()) <= 1;
}

} // namespace

class TestAbout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { loadBundledFonts(); }

    void init()
    {
        played.clear();
        about = new AboutBox([this](const QString &name) { played << name; });
        about->setModal(true);
        about->show();
        QVERIFY(QTest::qWaitForWindowExposed(about));
    }

    void cleanup()
    {
        while (QWidget *modal = QApplication::activeModalWidget()) {
            modal->close();
        }
        QTRY_VERIFY(!about);
    }

    void aboutBoxDesign_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("text");
        QTest::newRow("Label1") << u"Label1"_s << QRect(24, 24, 137, 25) << u"Limbo   a"_s;
        QTest::newRow("Label2") << u"Label2"_s << QRect(200, 32, 97, 17) << QString();
        QTest::newRow("cmdOk") << u"cmdOk"_s << QRect(112, 176, 81, 33) << u"&Ok"_s;
        QTest::newRow("Label3") << u"Label3"_s << QRect(16, 96, 281, 33) << QString();
        QTest::newRow("Label4") << u"Label4"_s << QRect(200, 64, 65, 17) << u"Version 1.1"_s;
        // Widened from 145 so that the long name fits in the bundled Times-metric face.
        QTest::newRow("Label5") << u"Label5"_s << QRect(24, 48, 159, 17)
                                << u"Tanglemat Random Generator"_s;
        QTest::newRow("Label6") << u"Label6"_s << QRect(200, 48, 89, 17) << u"January 2004"_s;
        QTest::newRow("Label7") << u"Label7"_s << QRect(16, 144, 273, 25)
                                << u"Click on Help-->Contents or see the Readme.doc file for help, "
                                   "documentation, and other info."_s;
        QTest::newRow("Label8") << u"Label8"_s << QRect(200, 16, 97, 17) << u"Created by"_s;
    }

    void aboutBoxDesign()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(QString, text);
        QCOMPARE(about->windowTitle(), u"About Limbora"_s);
        QCOMPARE(about->size(), QSize(315, 224));
        QCOMPARE(about->minimumSize(), about->maximumSize());
        QVERIFY(!(about->windowFlags()
                  & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));

        auto *control = about->findChild<QWidget *>(name);
        QVERIFY(control);
        QCOMPARE(control->geometry(), geometry);
        if (auto *button = qobject_cast<QPushButton *>(control)) {
            QCOMPARE(button->text(), text);
            return;
        }
        auto *label = qobject_cast<QLabel *>(control);
        if (!text.isEmpty()) {
            QCOMPARE(label->text(), text);
        }
        QVERIFY(!label->text().isEmpty());
        // What is written there fits: one line, or as many lines as the label holds.
        const QFontMetrics metrics(label->font());
        const QRect needed = metrics.boundingRect(label->rect(), Qt::TextWordWrap, label->text());
        const int lines = qRound(qreal(needed.height()) / metrics.lineSpacing());
        QVERIFY2(label->wordWrap() ? lines * metrics.lineSpacing() <= label->height()
                                   : metrics.horizontalAdvance(label->text()) <= label->width(),
                 qPrintable(label->text()));
        QCOMPARE(label->alignment(), Qt::AlignLeft | Qt::AlignTop);
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
    }

    void aboutBoxFontsAndFocus()
    {
        auto *title = about->findChild<QLabel *>(u"Label1"_s);
        auto *letter = about->findChild<QLabel *>(u"lblLetterR"_s);
        for (QLabel *label : {title, letter}) {
            QCOMPARE(label->font().family(), u"Quicksand"_s);
            QCOMPARE(label->font().pointSizeF(), 15.75);
            QCOMPARE(label->font().weight(), QFont::Bold);
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(192, 0, 0));
            QVERIFY(label->autoFillBackground());
        }
        QCOMPARE(about->findChild<QLabel *>(u"Label5"_s)->font().family(), u"Liberation Serif"_s);
        QCOMPARE(about->findChild<QLabel *>(u"Label5"_s)->font().pointSizeF(), 9.75);

        auto *ok = about->findChild<QPushButton *>(u"cmdOk"_s);
        QCOMPARE(QApplication::focusWidget(), ok);
        QVERIFY(ok->isDefault());
        QTRY_VERIFY(standsInTheMiddle(about));
    }

    void theLetterCoversTheBlanks()
    {
        auto *title = about->findChild<QLabel *>(u"Label1"_s);
        auto *letter = about->findChild<QLabel *>(u"lblLetterR"_s);
        QCOMPARE(letter->text(), u"r"_s);
        QCOMPARE(letter->y(), title->y());
        QCOMPARE(letter->height(), title->height());
        QVERIFY(!letter->text().contains(u'&')); // no access key: reached with the mouse only

        // Where the bundled font puts the blanks, and the ink of the letters either side.
        const QFontMetricsF metrics(title->font());
        const qreal blanksStart = title->x() + metrics.horizontalAdvance(u"Limbo"_s);
        const qreal blanksEnd = title->x() + metrics.horizontalAdvance(u"Limbo   "_s);
        const qreal oInkEnd = title->x() + metrics.horizontalAdvance(u"Limb"_s)
            + metrics.boundingRect(u"o"_s).right();
        const qreal aInkStart = blanksEnd + metrics.boundingRect(u"a"_s).left();
        QVERIFY(letter->x() <= blanksStart + 0.5);
        QVERIFY(letter->x() + letter->width() >= blanksEnd - 0.5);
        QVERIFY(letter->x() >= oInkEnd - 0.5);
        QVERIFY(letter->x() + letter->width() <= aInkStart + 0.5);
        // The blanks shrink to the letter's own width, so the title reads as one word.
        QVERIFY(qAbs(letter->width() - QFontMetricsF(letter->font()).horizontalAdvance(u"r"_s))
                <= 1.0);
        // And the r stands in the middle of the gap.
        const qreal letterCentre = letter->x() + letter->width() / 2.0;
        QVERIFY(qAbs(letterCentre - (blanksStart + blanksEnd) / 2) <= 1.0);
        // Stacked above the title.
        const auto children = about->children();
        QVERIFY(children.indexOf(letter) > children.indexOf(title));
    }

    void onlyTheLetterOpensTheHiddenWindow()
    {
        for (const QString &name : {u"Label1"_s, u"Label2"_s, u"Label3"_s, u"Label4"_s, u"Label5"_s,
                                    u"Label6"_s, u"Label7"_s, u"Label8"_s}) {
            QTest::mouseClick(about->findChild<QLabel *>(name), Qt::LeftButton);
        }
        QCOMPARE(QApplication::activeModalWidget(), about.data());
        QVERIFY(played.isEmpty());

        QTest::mouseClick(about->findChild<QLabel *>(u"lblLetterR"_s), Qt::LeftButton);
        QCOMPARE(played, QStringList{u"hid.wav"_s});
        auto *hidden = qobject_cast<HiddenWindow *>(QApplication::activeModalWidget());
        QVERIFY(hidden);
        QCOMPARE(hidden->parentWidget(), about.data());

        // Enter closes it (OK is the default button, the picture has the focus), back to About.
        QCOMPARE(hidden->focusWidget()->objectName(), u"Picture1"_s);
        QTest::keyClick(hidden->focusWidget(), Qt::Key_Return);
        QTRY_COMPARE(QApplication::activeModalWidget(), about.data());

        QTest::mouseClick(about->findChild<QLabel *>(u"lblLetterR"_s), Qt::LeftButton);
        QCOMPARE(played, (QStringList{u"hid.wav"_s, u"hid.wav"_s}));
        QVERIFY(qobject_cast<HiddenWindow *>(QApplication::activeModalWidget()));
    }

    // Neither window has a cancel button: Escape leaves both open, Enter presses OK.
    void escapeKeepsEnterCloses()
    {
        QTest::mouseClick(about->findChild<QLabel *>(u"lblLetterR"_s), Qt::LeftButton);
        QPointer<QDialog> hidden = qobject_cast<HiddenWindow *>(QApplication::activeModalWidget());
        QVERIFY(hidden);
        for (QPointer<QDialog> window : {hidden, QPointer<QDialog>(about.data())}) {
            QTest::keyClick(window->focusWidget(), Qt::Key_Escape);
            QTest::keyClick(window, Qt::Key_Escape);
            QTest::qWait(20);
            QVERIFY(window && window->isVisible());
            QCOMPARE(QApplication::activeModalWidget(), window.data());
            QTest::keyClick(window->focusWidget(), Qt::Key_Return);
            QTRY_VERIFY(!window); // discarded, not hidden
        }
    }

    void closeBoxActsAsOk()
    {
        about->close();
        QTRY_VERIFY(!about);
    }

    void hiddenWindowDesign()
    {
        HiddenWindow hidden;
        hidden.show();
        QTRY_VERIFY(standsInTheMiddle(&hidden));
        QCOMPARE(hidden.windowTitle(), u"Hidden Window!"_s);
        QCOMPARE(hidden.size(), QSize(307, 244));
        auto *picture = hidden.findChild<QLabel *>(u"Picture1"_s);
        QCOMPARE(picture->geometry(), QRect(16, 16, 130, 194));
        QCOMPARE(picture->pixmap().size(), QSize(126, 190));
        QCOMPARE(picture->frameWidth(), 2);
        QCOMPARE(picture->frameShadow(), QFrame::Sunken);
        QCOMPARE(hidden.findChild<QPushButton *>(u"cmdOk"_s)->geometry(), QRect(184, 168, 97, 49));
        QCOMPARE(hidden.findChild<QPushButton *>(u"cmdOk"_s)->text(), u"&OK"_s);
        QVERIFY(hidden.findChild<QPushButton *>(u"cmdOk"_s)->isDefault());
        QCOMPARE(hidden.findChild<QLabel *>(u"Label2"_s)->geometry(), QRect(16, 216, 145, 17));
        QCOMPARE(hidden.findChild<QLabel *>(u"Label1"_s)->geometry(), QRect(200, 24, 73, 17));
        QCOMPARE(hidden.findChild<QLabel *>(u"Label3"_s)->geometry(), QRect(152, 72, 145, 65));
        for (const QString &name : {u"Label1"_s, u"Label2"_s}) {
            auto *credit = hidden.findChild<QLabel *>(name);
            QCOMPARE(credit->font().family(), u"Comic Neue"_s);
            QCOMPARE(credit->font().pointSizeF(), 6.75);
            QVERIFY(QFontMetrics(credit->font()).horizontalAdvance(credit->text())
                    <= credit->width());
        }
        auto *thanks = hidden.findChild<QLabel *>(u"Label3"_s);
        QVERIFY(thanks->alignment() & Qt::AlignHCenter);
        QVERIFY(QFontMetrics(thanks->font())
                    .boundingRect(thanks->rect(), Qt::TextWordWrap, thanks->text())
                    .height()
                <= thanks->height());

        // Sizable, and its controls stay where they are.
        hidden.resize(500, 400);
        QCOMPARE(hidden.size(), QSize(500, 400));
        QCOMPARE(picture->geometry(), QRect(16, 16, 130, 194));
        QCOMPARE(hidden.findChild<QPushButton *>(u"cmdOk"_s)->geometry(), QRect(184, 168, 97, 49));
        QVERIFY(!(hidden.windowFlags()
                  & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    }

    void eachOpeningIsFresh()
    {
        about->findChild<QLabel *>(u"Label2"_s)->setText(u"changed"_s);
        about->findChild<QPushButton *>(u"cmdOk"_s)->click();
        QTRY_VERIFY(!about);
        about = new AboutBox([this](const QString &name) { played << name; });
        QCOMPARE(about->findChild<QLabel *>(u"Label2"_s)->text(), u"The Limbora team"_s);
        about->setModal(true);
        about->show();
    }

    // Each viewer waits for the go file (three seconds at most) before it writes: an empty log
    // once launch() has returned shows it never waited for the viewer, with no timing involved.
    void helpLaunchesEachTimeAndNeverWaits()
    {
        QTemporaryDir dir;
        const QString log = dir.filePath(u"log"_s);
        const QString go = dir.filePath(u"go"_s);
        const HelpLauncher help(
            u"/bin/sh"_s,
            {u"-c"_s,
             u"i=0; while [ ! -e \"$1\" ] && [ $i -lt 300 ]; do sleep 0.01; i=$((i+1)); done; "
             "echo \"$2\" >> \"$0\""_s,
             log, go, u"/help file.html"_s});
        help.launch();
        help.launch();
        QCOMPARE(readAll(log), QByteArray());
        QFile goFile(go);
        QVERIFY(goFile.open(QIODevice::WriteOnly));
        goFile.close();
        QTRY_COMPARE_WITH_TIMEOUT(readAll(log), QByteArray("/help file.html\n/help file.html\n"),
                                  5000);
        HelpLauncher(u"/nonexistent/viewer"_s, {}).launch(); // survived, and nothing to see
    }

    void helpUsesTheDesktopOpener()
    {
        const HelpLauncher help = HelpLauncher::forHelpFile(u"/usr/share/limbora/limbora.html"_s);
        QCOMPARE(help.program(), u"xdg-open"_s);
        QCOMPARE(help.arguments(), QStringList{u"/usr/share/limbora/limbora.html"_s});
    }

    void helpPageThatIsNoRegularFileIsNotOpened()
    {
        QTemporaryDir dir;
        const QString fifo = dir.filePath(u"limbora.html"_s);
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QVERIFY(!HelpLauncher::forHelpFile(fifo).launch());
        QVERIFY(!HelpLauncher::forHelpFile(dir.path()).launch());
    }

private:
    static QByteArray readAll(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QPointer<AboutBox> about;
    QStringList played;
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
