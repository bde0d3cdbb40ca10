// SPDX-License-Identifier: GPL-3.0-or-later
#include "application.h"
#include "gamedoubles.h"
#include "gamesequencer.h"
#include "gamesession.h"
#include "helplauncher.h"
#include "idleinhibitor.h"
#include "mainwindow.h"
#include "remoteplayer.h"
#include "soundplayer.h"
#include "tracecapture.h"
#include "windowfixture.h"
#include "winnerbanner.h"

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

    enum Ending { Stopped, Terminated, Quit };

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
        QTest::addColumn<int>("ending");
        QTest::newRow("Stop") << int(Stopped);
        QTest::newRow("desktop's request to end") << int(Terminated);
        // Windows' session end: Qt quits with the window still open.
        QTest::newRow("quit with the window open") << int(Quit);
    }
    void screenStaysAwakeWhileAGameRuns()
    {
        QFETCH(int, ending);
        Wired wired;
        wired.application.show();
        QCOMPARE(wired.application.screenAwake().holder(), IdleInhibitor::Holder::None);
        wired.game().start();
        QTRY_COMPARE(wired.application.screenAwake().holder(), IdleInhibitor::Holder::Fallback);
        wired.clock.advanceBy(30'000);
        QCOMPARE(wired.screenSaver, QList<bool>{true});
        if (ending != Stopped) {
            if (ending == Terminated) {
                std::raise(SIGTERM);
            } else {
                QMetaObject::invokeMethod(qApp, "aboutToQuit", Qt::DirectConnection);
            }
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

    // A player is put out after a fall by a click, a tap or the number key, and taken back by a
    // second; the last one standing wins: the game stops, the stage and a remote name the winner,
    // with a fanfare only where game sounds are on. A new round brings everyone back. Without
    // names, or in the designed window, the number keys do nothing.
    void playersAndTheirWinner_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<bool>("fullScreen");
        QTest::addColumn<bool>("gameSounds");
        QTest::addColumn<QString>("steps"); // c: click, t: tap, k: key, p: keypad, then a number
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("winner");
        QTest::addColumn<bool>("fanfare");
        const QStringList three{u"Anna"_s, u"Ben"_s, u"Zoë, 2nd"_s};
        QTest::newRow("out and back, each way; keys past the list")
            << three << true << true << u"c2 c2 k2 p2 t3 k4 k9"_s << u"--x"_s << QString() << false;
        QTest::newRow("winner by keys, nothing after")
            << three << true << true << u"k1 k3 k3"_s << u"x-x"_s << u"Ben"_s << true;
        QTest::newRow("winner by click and tap, no game sounds")
            << three << true << false << u"c3 t2"_s << u"-xx"_s << u"Anna"_s << false;
        QTest::newRow("new round, everyone back")
            << three << true << true << u"k1 k3 start"_s << u"---"_s << QString() << true;
        QTest::newRow("designed window")
            << three << false << false << u"k1 k2"_s << u"---"_s << QString() << false;
        QTest::newRow("no names") << QStringList() << true << true << u"k1 k2"_s << QString()
                                  << QString() << false;
    }
    void playersAndTheirWinner()
    {
        QFETCH(QStringList, names);
        QFETCH(bool, fullScreen);
        QFETCH(bool, gameSounds);
        QFETCH(QString, steps);
        GameSettings settings;
        settings.players = names;
        settings.gameSounds = gameSounds;
        settings.startFullScreen = fullScreen;
        QVERIFY(writeGameSettings(settings));
        Wired wired;
        MainWindow &window = wired.application.window();
        wired.application.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_COMPARE(window.findChild<QWidget *>(u"frmPlayers"_s)->isVisible(),
                     fullScreen && !names.isEmpty());
        const std::unique_ptr<QPointingDevice> finger(QTest::createTouchDevice());
        const TraceCapture trace;
        QTest::keyClick(&window, Qt::Key_F5);
        wired.clock.advanceBy(10'000);
        QTRY_COMPARE(wired.game().phase(), GameSequencer::Phase::Pause);
        const auto name = [&window](int number) {
            return window.findChild<QPushButton *>(u"cmdPlayer%1"_s.arg(number));
        };
        for (const QString &step : steps.split(u' ')) {
            const int number = step.back().digitValue();
            if (step == u"start") {
                QTest::keyClick(&window, Qt::Key_F5);
            } else if (step[0] == u'k' || step[0] == u'p') {
                QTest::keyClick(&window, Qt::Key(Qt::Key_0 + number),
                                step[0] == u'p' ? Qt::KeypadModifier : Qt::NoModifier);
            } else if (step[0] == u'c') {
                QTest::mouseClick(name(number), Qt::LeftButton);
            } else {
                const QPoint at = name(number)->mapTo(&window, QPoint(20, 20));
                QTest::touchEvent(&window, finger.get()).press(0, at, &window);
                QTest::touchEvent(&window, finger.get()).release(0, at, &window);
            }
        }
        QCoreApplication::processEvents(); // the remote announces once control is back
        QString shown; // as the stage shows who is out
        for (int number = 1; number <= names.size(); ++number) {
            shown += name(number)->property("out").toBool() ? u'x' : u'-';
        }
        QTEST(shown, "out");
        QFETCH(QString, winner);
        const QString title = winner.isEmpty() ? QString() : winner + u" wins!"_s;
        const auto *banner = window.findChild<WinnerBanner *>();
        QCOMPARE(banner->isVisible() ? banner->text() : QString(), title);
        QCOMPARE(wired.game().phase() == GameSequencer::Phase::Idle, !winner.isEmpty());
        const QVariantMap metadata = window.findChild<RemotePlayer *>()->metadata();
        QCOMPARE(metadata.value(u"xesam:title"_s).toString() == title, !winner.isEmpty());
        QTEST(trace.lines().contains(u"sound-start gamewin.wav wait"_s), "fanfare");
        QVERIFY(winner.isEmpty() || !trace.lines().contains(u"sound-start gamestop.wav wait"_s));
    }

private:
    std::unique_ptr<TemporaryConfig> m_config;
};

QTEST_MAIN(TestApplication)
#include "tst_application.moc"
