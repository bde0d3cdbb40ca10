// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamedoubles.h"
#include "mainwindow.h"
#include "soundplayer.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

struct Program
{
    QTemporaryDir sounds; // empty: nothing is heard, every sound ends at once
    FakeClock clock;
    ScriptedRandom random;
    SoundPlayer player{sounds.path() + u'/'};
    MainWindow window{clock, random, player};

    template<typename T>
    T *find(const QString &name)
    {
        auto *found = window.findChild<T *>(name);
        if (!found) {
            qWarning("no %s", qPrintable(name));
        }
        return found;
    }
    QPushButton *start() { return find<QPushButton>(u"cmdStart"_s); }
    QPushButton *stop() { return find<QPushButton>(u"cmdStop"_s); }
    QLabel *status() { return find<QLabel>(u"lblStatus"_s); }
    QLabel *display() { return find<QLabel>(u"lblDisplay"_s); }
};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        program = std::make_unique<Program>();
        program->window.show();
        program->window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&program->window));
    }
    void cleanup() { program.reset(); }

    void firstShownIdle()
    {
        QCOMPARE(program->window.objectName(), u"frmMain"_s);
        QCOMPARE(program->window.windowTitle(), u"Limbora"_s);
        QCOMPARE(program->status()->text(), QString());
        QCOMPARE(program->display()->text(), QString());
        QVERIFY(program->start()->isEnabled());
        QVERIFY(!program->stop()->isEnabled());
        QVERIFY(program->find<QAction>(u"mnuFileExit"_s));
    }

    void startAndStopDriveTheLabels()
    {
        QTest::mouseClick(program->start(), Qt::LeftButton);
        QCOMPARE(program->status()->text(), u"The game will start"_s);
        QCOMPARE(program->display()->text(), u"in 10 seconds..."_s);
        QVERIFY(!program->start()->isEnabled());
        QVERIFY(program->stop()->isEnabled());

        program->random.values = {0.6f, 0.3f}; // blue, right hand
        program->clock.advanceBy(10000);
        QCOMPARE(program->status()->text(), u"(Game in progress)"_s);
        QCOMPARE(program->display()->text(), u"RIGHT HAND "_s);
        QCOMPARE(program->display()->palette().color(QPalette::WindowText), QColor(Qt::black));
        QTRY_COMPARE_WITH_TIMEOUT(program->display()->text(), u"RIGHT HAND BLUE"_s, 200);
        QCOMPARE(program->display()->palette().color(QPalette::WindowText), QColor(Qt::blue));

        QTest::mouseClick(program->stop(), Qt::LeftButton);
        QCOMPARE(program->status()->text(), u"(Game stopped)"_s);
        QCOMPARE(program->display()->text(), QString());
        QVERIFY(program->start()->isEnabled());
        QVERIFY(!program->stop()->isEnabled());
    }

    void altSPressesWhicheverButtonIsEnabled()
    {
        // An access key animates the press and clicks a moment later.
        QTest::keyClick(&program->window, Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE_WITH_TIMEOUT(program->status()->text(), u"The game will start"_s, 1000);
        QTest::keyClick(&program->window, Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE_WITH_TIMEOUT(program->status()->text(), u"(Game stopped)"_s, 1000);
        QTest::keyClick(&program->window, Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE_WITH_TIMEOUT(program->status()->text(), u"The game will start"_s, 1000);
    }

    void enterStartsAGame()
    {
        QTest::keyClick(&program->window, Qt::Key_Return);
        QCOMPARE(program->status()->text(), u"The game will start"_s);
    }

    void exitClosesTheWindowMidGame()
    {
        QTest::mouseClick(program->start(), Qt::LeftButton);
        program->find<QAction>(u"mnuFileExit"_s)->trigger();
        QVERIFY(!program->window.isVisible());
    }

private:
    std::unique_ptr<Program> program;
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
