// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakeclock.h"
#include "fullscreenprotocol.h"

#include <QTest>

using namespace Qt::StringLiterals;
using State = FullScreenProtocol::State;

namespace {

// The screen as a platform shows it: a window manager makes the window full screen when it
// answers; without one, only what the window does to itself counts.
class FakeWindow final : public FullScreenProtocol::Window
{
public:
    bool shown = true;
    bool windowManager = true;
    bool fullScreen = false; // what the screen shows
    bool frameLeftOver = false; // a title bar drawn in the full screen
    bool sizeKept = false; // the platform's full screen left the window its own size
    bool maximized = false;
    bool fixedSize = true; // a compositor may bring a fixed-size window back unframed
    QStringList actions;

    bool isShown() const override { return shown; }
    bool hasWindowManager() const override { return windowManager; }
    void putFullScreen() override
    {
        actions << u"full"_s;
        shown = true;
        fixedSize = false;
    }
    void coverScreen() override
    {
        actions << u"cover"_s;
        fullScreen = true;
        sizeKept = false;
    }
    void putWindowed() override
    {
        actions << u"windowed"_s;
        fullScreen = fullScreen && windowManager;
        maximized = false;
    }
    bool standsAsAsked(bool full) const override
    {
        return fullScreen == full && !(full && (frameLeftOver || sizeKept)) && !maximized;
    }
    void changed(bool full) override { actions << (full ? u"changed on"_s : u"changed off"_s); }
    void settled(bool full) override { fixedSize = fixedSize || !full; }
};

QString name(State state)
{
    static const char *const names[]
        = {"WindowedRequested",   "WindowedShown",   "WindowedSettled",
           "FullScreenRequested", "FullScreenShown", "FullScreenSettled"};
    return QString::fromLatin1(names[int(state)]);
}

} // namespace

class TestFullScreenProtocol : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Each platform case as a script of steps: "F11 on|off" is the user's request, "wm on|off"
    // the platform's own report (what its screen then shows; "wm min" minimised as it stands, "wm
    // max" maximised), "+N" lets N ms pass. After every step the protocol stands in the state
    // listed; at the end the window was put as listed, and is resizable only while full screen.
    void platformCases_data()
    {
        QTest::addColumn<bool>("windowManager");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<bool>("frameLeftOver");
        QTest::addColumn<bool>("sizeKept");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("states");
        QTest::addColumn<QStringList>("actions");

        QTest::newRow("window manager answers")
            << true << true << false << false
            << QStringList{u"F11 on"_s, u"+20"_s, u"wm on"_s, u"+279"_s, u"+1"_s}
            << QStringList{u"FullScreenRequested"_s, u"FullScreenRequested"_s, u"FullScreenShown"_s,
                           u"FullScreenShown"_s, u"FullScreenSettled"_s}
            << QStringList{u"full"_s, u"changed on"_s};
        // It must never cover the screen itself there: that makes the flip.
        QTest::newRow("window manager flips full, normal, full")
            << true << true << false << false
            << QStringList{u"F11 on"_s, u"wm on"_s, u"wm off"_s, u"+3"_s, u"wm on"_s, u"+300"_s}
            << QStringList{u"FullScreenRequested"_s, u"FullScreenShown"_s, u"FullScreenShown"_s,
                           u"FullScreenShown"_s,     u"FullScreenShown"_s, u"FullScreenSettled"_s}
            << QStringList{u"full"_s, u"changed on"_s};
        QTest::newRow("no window manager")
            << false << true << false << false
            << QStringList{u"F11 on"_s, u"+300"_s, u"F11 off"_s, u"+300"_s}
            << QStringList{u"FullScreenRequested"_s, u"FullScreenSettled"_s, u"WindowedRequested"_s,
                           u"WindowedSettled"_s}
            << QStringList{u"full"_s, u"cover"_s, u"changed on"_s, u"windowed"_s, u"changed off"_s};
        QTest::newRow("compositor's own full screen")
            << true << true << false << false
            << QStringList{u"wm on"_s, u"+300"_s, u"wm off"_s, u"+300"_s}
            << QStringList{u"FullScreenShown"_s, u"FullScreenSettled"_s, u"WindowedShown"_s,
                           u"WindowedSettled"_s}
            << QStringList{u"full"_s, u"changed on"_s, u"windowed"_s, u"changed off"_s};
        QTest::newRow("late answer")
            << true << true << false << false
            << QStringList{u"F11 on"_s, u"+300"_s, u"+100"_s, u"wm on"_s, u"+300"_s}
            << QStringList{u"FullScreenRequested"_s, u"FullScreenRequested"_s,
                           u"FullScreenRequested"_s, u"FullScreenShown"_s, u"FullScreenSettled"_s}
            << QStringList{u"full"_s, u"changed on"_s, u"full"_s};
        // Requests while a change is under way wait for its answer; echoes of it are not one.
        QTest::newRow("back before the answer")
            << true << true << false << false << QStringList{u"F11 on"_s, u"F11 off"_s, u"wm off"_s,
                                                             u"wm on"_s,  u"wm off"_s,  u"+300"_s}
            << QStringList{u"FullScreenRequested"_s, u"FullScreenRequested"_s,
                           u"FullScreenRequested"_s, u"WindowedRequested"_s,
                           u"WindowedShown"_s,       u"WindowedSettled"_s}
            << QStringList{u"full"_s, u"changed on"_s, u"windowed"_s, u"changed off"_s};
        // Once answered, the next change starts at once: no need to wait for the settling.
        QTest::newRow("back after the answer")
            << true << true << false << false
            << QStringList{u"F11 on"_s, u"wm on"_s, u"F11 off"_s, u"wm off"_s, u"+300"_s}
            << QStringList{u"FullScreenRequested"_s, u"FullScreenShown"_s, u"WindowedRequested"_s,
                           u"WindowedShown"_s, u"WindowedSettled"_s}
            << QStringList{u"full"_s, u"changed on"_s, u"windowed"_s, u"changed off"_s};
        QTest::newRow("no answer ever")
            << true << true << false << false
            << QStringList{u"F11 on"_s, u"+300"_s, u"+300"_s, u"+300"_s, u"+300"_s}
            << QStringList{u"FullScreenRequested"_s, u"FullScreenRequested"_s,
                           u"FullScreenRequested"_s, u"FullScreenRequested"_s,
                           u"FullScreenSettled"_s}
            << QStringList{u"full"_s, u"changed on"_s, u"full"_s, u"full"_s, u"full"_s};
        // Retries spent on a change the user has already asked to undo leave the next change
        // its own: the window still comes back where it was put.
        QTest::newRow("retries per change")
            << true << true << false << false
            << QStringList{u"F11 on"_s, u"+300"_s, u"+300"_s,   u"F11 off"_s, u"wm on"_s,
                           u"+300"_s,   u"+300"_s, u"wm off"_s, u"+300"_s}
            << QStringList{u"FullScreenRequested"_s, u"FullScreenRequested"_s,
                           u"FullScreenRequested"_s, u"FullScreenRequested"_s,
                           u"WindowedRequested"_s,   u"WindowedRequested"_s,
                           u"WindowedRequested"_s,   u"WindowedShown"_s,
                           u"WindowedSettled"_s}
            << QStringList{u"full"_s,     u"changed on"_s,  u"full"_s,     u"full"_s,
                           u"windowed"_s, u"changed off"_s, u"windowed"_s, u"windowed"_s};
        // A title bar left in the full screen is no full screen: settling sees the frame.
        QTest::newRow("frame left over")
            << true << true << true << false
            << QStringList{u"F11 on"_s, u"wm on"_s, u"+300"_s, u"+300"_s, u"+300"_s, u"+300"_s}
            << QStringList{u"FullScreenRequested"_s, u"FullScreenShown"_s,
                           u"FullScreenRequested"_s, u"FullScreenRequested"_s,
                           u"FullScreenRequested"_s, u"FullScreenSettled"_s}
            << QStringList{u"full"_s, u"changed on"_s, u"full"_s, u"cover"_s, u"full"_s, u"full"_s};
        // A compositor's full screen that the window's fixed size kept from taking: the window
        // covers the screen itself.
        QTest::newRow("full screen short of the screen")
            << true << true << false << true << QStringList{u"wm on"_s, u"+300"_s, u"+300"_s}
            << QStringList{u"FullScreenShown"_s, u"FullScreenRequested"_s, u"FullScreenSettled"_s}
            << QStringList{u"full"_s, u"changed on"_s, u"full"_s, u"cover"_s};
        // Started in full screen: the window shows with the request, and nobody answers. Back, it
        // takes its fixed size once it stands windowed.
        QTest::newRow("not shown yet")
            << false << false << false << false << QStringList{u"F11 on"_s, u"+300"_s}
            << QStringList{u"FullScreenShown"_s, u"FullScreenSettled"_s}
            << QStringList{u"full"_s, u"cover"_s, u"changed on"_s};
        QTest::newRow("started full screen, then back")
            << true << false << false << false
            << QStringList{u"F11 on"_s, u"wm on"_s,  u"+300"_s, u"F11 off"_s,
                           u"+299"_s,   u"wm off"_s, u"+1"_s}
            << QStringList{u"FullScreenShown"_s,   u"FullScreenShown"_s,   u"FullScreenSettled"_s,
                           u"WindowedRequested"_s, u"WindowedRequested"_s, u"WindowedShown"_s,
                           u"WindowedSettled"_s}
            << QStringList{u"full"_s, u"changed on"_s, u"windowed"_s, u"changed off"_s};
        // What a minimised window's platform says of it is not the user's: whoever brings it
        // back (a second start, the remote, the window manager), it is full screen again.
        QTest::newRow("minimised and brought back")
            << true << true << false << false
            << QStringList{u"F11 on"_s, u"wm on"_s, u"+300"_s, u"wm min"_s,
                           u"wm off"_s, u"wm on"_s, u"+300"_s}
            << QStringList{u"FullScreenRequested"_s, u"FullScreenShown"_s,
                           u"FullScreenSettled"_s,   u"FullScreenSettled"_s,
                           u"FullScreenRequested"_s, u"FullScreenShown"_s,
                           u"FullScreenSettled"_s}
            << QStringList{u"full"_s, u"changed on"_s, u"full"_s};
        QTest::newRow("minimised windowed")
            << true << true << false << false << QStringList{u"wm min"_s, u"wm off"_s, u"+300"_s}
            << QStringList{u"WindowedSettled"_s, u"WindowedSettled"_s, u"WindowedSettled"_s}
            << QStringList{};
        // The design has no maximised window: a title bar's Maximize puts it back as it stood.
        QTest::newRow("maximize refused")
            << true << true << false << false << QStringList{u"wm max"_s, u"wm off"_s, u"+300"_s}
            << QStringList{u"WindowedRequested"_s, u"WindowedShown"_s, u"WindowedSettled"_s}
            << QStringList{u"windowed"_s};
    }

    void platformCases()
    {
        QFETCH(bool, windowManager);
        QFETCH(bool, shown);
        QFETCH(bool, frameLeftOver);
        QFETCH(bool, sizeKept);
        QFETCH(QStringList, steps);
        QFETCH(QStringList, states);
        QFETCH(QStringList, actions);
        FakeClock clock;
        FakeWindow window;
        window.windowManager = windowManager;
        window.shown = shown;
        window.frameLeftOver = frameLeftOver;
        window.sizeKept = sizeKept;
        FullScreenProtocol protocol(window, clock);
        QCOMPARE(protocol.state(), State::WindowedSettled);
        QCOMPARE(steps.size(), states.size());
        for (qsizetype i = 0; i < steps.size(); ++i) {
            const QString &step = steps[i];
            if (step.startsWith(u'+')) {
                clock.advanceBy(step.mid(1).toInt());
            } else if (step.startsWith(u"F11 ")) {
                protocol.request(step.endsWith(u"on"));
            } else if (step == u"wm min") {
                protocol.report(Qt::WindowMinimized
                                | (window.fullScreen ? Qt::WindowFullScreen : Qt::WindowNoState));
            } else {
                window.maximized = step.endsWith(u"max");
                window.fullScreen = step.endsWith(u"on");
                protocol.report(window.maximized        ? Qt::WindowMaximized
                                    : window.fullScreen ? Qt::WindowFullScreen
                                                        : Qt::WindowNoState);
            }
            QVERIFY2(name(protocol.state()) == states[i],
                     qPrintable(step + u" gave "_s + name(protocol.state())));
        }
        QCOMPARE(window.actions, actions);
        QCOMPARE(protocol.isSettling(), clock.hasAlarm());
        QCOMPARE(window.fixedSize, !protocol.isFullScreen());
    }
};

QTEST_GUILESS_MAIN(TestFullScreenProtocol)
#include "tst_fullscreenprotocol.moc"
