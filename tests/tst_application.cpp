// SPDX-License-Identifier: GPL-3.0-or-later
#include "application.h"
#include "gamedoubles.h"
#include "gamesequencer.h"
#include "gamesession.h"
#include "helplauncher.h"
#include "idleinhibitor.h"
#include "mainwindow.h"
#include "soundplayer.h"
#include "windowfixture.h"

#include <QMenuBar>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include <csignal>

using namespace Qt::StringLiterals;

// What the application wires between the game and those who follow or drive it.
class TestApplication : public QObject
{
    Q_OBJECT

    struct Wired
    {
        FakeClock clock;
        ScriptedRandom random;
        QTemporaryDir sounds;
        SoundPlayer player{sounds.path() + u'/'};
        HelpLauncher help{u"/nonexistent/viewer"_s, {}};
        QList<bool> screenSaver; // each request to the X server's screen saver
        Application application{{clock, random, player, help, QString(), [this](bool suspend) {
                                     screenSaver << suspend;
                                     return true;
                                 }}};
        GameSequencer &game() { return *application.game().sequencer(); }
    };

private Q_SLOTS:
    void initTestCase()
    {
        // No bus: the screen is kept awake through the fallback, at once.
        qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    }

    void init() { m_config = std::make_unique<TemporaryConfig>(); }

    // Held from Start to Stop. The desktop's request to end closes the window as its close box
    // does, in the middle of a game: the game ends and the placement is saved (the screen is let
    // go with the program).
    void screenStaysAwakeWhileAGameRuns_data()
    {
        QTest::addColumn<bool>("terminated");
        QTest::newRow("Stop") << false;
        QTest::newRow("desktop's request to end") << true;
    }
    void screenStaysAwakeWhileAGameRuns()
    {
        QFETCH(bool, terminated);
        Wired wired;
        wired.application.show();
        QCOMPARE(wired.application.screenAwake().holder(), IdleInhibitor::Holder::None);
        wired.game().start();
        QTRY_COMPARE(wired.application.screenAwake().holder(), IdleInhibitor::Holder::Fallback);
        wired.clock.advanceBy(30'000);
        QCOMPARE(wired.screenSaver, QList<bool>{true});
        if (terminated) {
            std::raise(SIGTERM);
            QTRY_VERIFY(!wired.application.window().isVisible());
            QCOMPARE(wired.game().phase(), GameSequencer::Phase::Idle);
            QVERIFY(!storedPlacement().first().isEmpty());
            return;
        }
        wired.game().stop();
        QTRY_COMPARE(wired.application.screenAwake().holder(), IdleInhibitor::Holder::None);
        QCOMPARE(wired.screenSaver, (QList<bool>{true, false}));
    }

    // The options decide how the window first shows; a second start or a phone brings it back
    // from minimized as it was.
    void showsAsTheOptionsAsk_data()
    {
        QTest::addColumn<bool>("startFullScreen");
        QTest::addColumn<bool>("byWindowManager");
        QTest::newRow("designed") << false << false;
        QTest::newRow("full screen") << true << false;
        // The window manager minimises it and says no more of its full screen.
        QTest::newRow("full screen, minimised by the window manager") << true << true;
    }
    void showsAsTheOptionsAsk()
    {
        QFETCH(bool, startFullScreen);
        QFETCH(bool, byWindowManager);
        StoredSettings().setValue(u"Game/StartFullScreen"_s, startFullScreen);
        Wired wired;
        MainWindow &window = wired.application.window();
        wired.application.show();
        QVERIFY(window.isVisible());
        QCOMPARE(window.isFullScreenMode(), startFullScreen);
        if (byWindowManager) {
            window.windowHandle()->setWindowStates(Qt::WindowMinimized);
            QTRY_VERIFY(window.isMinimized());
        } else {
            window.showMinimized();
        }
        wired.application.raise();
        QVERIFY(window.isVisible());
        QTRY_VERIFY(!(window.windowState() & Qt::WindowMinimized));
        QCOMPARE(bool(window.windowState() & Qt::WindowFullScreen), startFullScreen);
        QCOMPARE(window.isFullScreenMode(), startFullScreen);
        QCOMPARE(window.menuBar()->isVisible(), !startFullScreen);
    }

private:
    std::unique_ptr<TemporaryConfig> m_config;
};

QTEST_MAIN(TestApplication)
#include "tst_application.moc"
