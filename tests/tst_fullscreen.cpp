// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardpicture.h"
#include "callerlayout.h"
#include "calllabel.h"
#include "designfonts.h"
#include "fullscreenhint.h"
#include "helplauncher.h"
#include "limbspot.h"
#include "mainwindow.h"
#include "nextcallring.h"
#include "pausedveil.h"
#include "sidecue.h"
#include "soundplayer.h"
#include "stagecontrols.h"
#include "windowfixture.h"
#include "windowplacement.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPointingDevice>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// A screen is read from a distance by the capital letters' height.
qreal capHeight(const QLabel *label)
{
    return QFontMetricsF(label->font()).capHeight();
}

template<typename Visit>
void forEachPixel(const QImage &image, Visit visit)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            visit(x, y);
        }
    }
}

// How many pixels differ between two pictures of the window, leaving out one part.
qint64 changedPixels(const QImage &before, const QImage &after, const QRect &except = QRect())
{
    qint64 changed = 0;
    forEachPixel(after, [&](int x, int y) {
        changed += !except.contains(x, y) && after.pixel(x, y) != before.pixel(x, y);
    });
    return changed;
}

// The share of the ring's pixels in the blue of what is left (the track is grey), in the whole
// ring or in its left half only.
qreal drawnShare(QWidget *ring, bool leftHalf = false)
{
    const QImage image = ring->grab().toImage();
    qint64 drawn = 0;
    forEachPixel(image, [&](int x, int y) {
        const QColor colour = image.pixelColor(x, y);
        drawn += (!leftHalf || x < image.width() / 2 - 2) && colour.blue() - colour.red() > 60;
    });
    return qreal(drawn) / (image.width() * image.height());
}

const QStringList StageWidgets{u"imgCall"_s, u"imgSideCue"_s, u"imgNextCall"_s, u"lblPaused"_s,
                               u"frmStageControls"_s};

} // namespace

class TestFullScreen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { loadBundledFonts(); }

    void init()
    {
        config = std::make_unique<TemporaryConfig>();
        program = std::make_unique<Program>();
        program->window.show();
        program->window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&program->window));
        program->window.move(300, 200);
    }

    void cleanup() { program.reset(); }

    // F11 and the window manager's own full screen (its key, a double click) give the same
    // caller; each way of leaving puts the designed window back. Escape acts in full screen only.
    void leavingRestoresTheDesignedWindow_data()
    {
        QTest::addColumn<QKeySequence>("leave");
        QTest::addColumn<bool>("byWindowManager");
        QTest::newRow("F11") << QKeySequence(Qt::Key_F11) << false;
        QTest::newRow("Ctrl+Shift+F") << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F) << false;
        QTest::newRow("Escape") << QKeySequence(Qt::Key_Escape) << false;
        QTest::newRow("menu") << QKeySequence() << false;
        QTest::newRow("window manager") << QKeySequence() << true;
    }

    void leavingRestoresTheDesignedWindow()
    {
        QFETCH(QKeySequence, leave);
        QFETCH(bool, byWindowManager);
        MainWindow &window = program->window;
        const QRect before = window.frameGeometry();
        const QSize client = window.size();
        const QRect start = program->find<QPushButton>(u"cmdStart"_s)->geometry();
        QAction *fullScreen = program->find<QAction>(u"mnuSettingsFullScreen"_s);
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(!window.isFullScreenMode());
        QCOMPARE(window.frameGeometry(), before);

        if (byWindowManager) {
            window.windowHandle()->setWindowStates(Qt::WindowFullScreen);
            QTRY_VERIFY(window.isFullScreenMode());
        } else {
            QTest::keyClick(&window, Qt::Key_F11);
        }
        QVERIFY(window.isFullScreenMode());
        QCOMPARE(window.geometry(), window.screen()->geometry());
        QVERIFY(!window.menuBar()->isVisible());
        QVERIFY(fullScreen->isChecked());
        QVERIFY(capHeight(program->display()) >= window.screen()->geometry().height() / 12.0);

        if (byWindowManager) {
            QTRY_VERIFY(!program->find<WindowPlacement>(QString())->isSettling());
            window.windowHandle()->setWindowStates(Qt::WindowNoState);
            QTRY_VERIFY(!window.isFullScreenMode());
        } else if (leave.isEmpty()) {
            fullScreen->trigger();
        } else {
            QTest::keySequence(&window, leave);
        }
        QVERIFY(!window.isFullScreenMode());
        // The window manager answers first: the window follows within a moment.
        QTRY_VERIFY(!program->find<QWidget>(u"frmStageControls"_s)->isVisible());
        for (const QString &name : StageWidgets) {
            QVERIFY2(!program->find<QWidget>(name)->isVisible(), qPrintable(name));
        }
        QTRY_VERIFY(!fullScreen->isChecked());
        QTRY_VERIFY(window.menuBar()->isVisible());
        QTRY_COMPARE(window.frameGeometry(), before);
        QCOMPARE(window.size(), client);
        // Resizable on its way back (a compositor may not frame a fixed one), fixed once there.
        QTRY_COMPARE(window.minimumSize(), client);
        QCOMPARE(window.maximumSize(), client);
        QCOMPARE(program->find<QPushButton>(u"cmdStart"_s)->geometry(), start);
        QCOMPARE(program->display()->font().pointSizeF(), 15.75);
        QVERIFY(!program->display()->autoFillBackground());
    }

    // However fast the keys come, the window ends as the last one asked, the full-screen board
    // is drawn once, and the placement kept on closing is the window's, full screen or not.
    void fullScreenPressesEndAsTheLastAsked_data()
    {
        QTest::addColumn<int>("presses");
        QTest::addColumn<bool>("byExit");
        QTest::newRow("once, Exit") << 1 << true;
        QTest::newRow("once, close") << 1 << false; // also how SIGTERM ends the program
        QTest::newRow("storm, even") << 500 << false;
        QTest::newRow("storm, odd") << 501 << false;
    }

    void fullScreenPressesEndAsTheLastAsked()
    {
        QFETCH(int, presses);
        QFETCH(bool, byExit);
        MainWindow &window = program->window;
        const QRect before = window.frameGeometry();
        const QSize client = window.size();
        auto *board = qobject_cast<QLabel *>(window.centralWidget()->children().first());
        qint64 drawn = 0;
        for (int i = 0; i < presses; ++i) {
            QTest::keyClick(&window, Qt::Key_F11);
            if (i == 0) {
                drawn = board->pixmap().cacheKey();
            }
            if (i % 7 == 0) {
                QCoreApplication::processEvents(); // some answers come back in between
            }
        }
        const bool on = presses % 2 == 1;
        QTRY_VERIFY(!program->find<WindowPlacement>(QString())->isSettling());
        QCOMPARE(window.isFullScreenMode(), on);
        QCOMPARE(bool(window.windowState() & Qt::WindowFullScreen), on);
        QCOMPARE(window.menuBar()->isVisible(), !on);
        QCOMPARE(program->find<QAction>(u"mnuSettingsFullScreen"_s)->isChecked(), on);
        if (on) {
            QCOMPARE(window.geometry(), window.screen()->geometry());
            QCOMPARE(board->pixmap().cacheKey(), drawn);
        } else {
            QCOMPARE(window.frameGeometry(), before);
            QCOMPARE(window.size(), client);
        }
        if (byExit) {
            program->find<QAction>(u"mnuFileExit"_s)->trigger();
        } else {
            window.close();
        }
        QCOMPARE(storedPlacement(), (QStringList{u"4500"_s, u"3000"_s, u"6500"_s, u"6500"_s}));
    }

    // The widest English call in full screen: large, inside its label, and, like every text
    // and button, in the room beside the board's pictures.
    void widestCallIsLargeAndKeepsTheBoardClear()
    {
        program->window.setFullScreen(true);
        program->random.values = {0.3f, 0.9f}; // yellow, right foot
        QVERIFY(playToThePause());
        QCOMPARE(program->display()->accessibleName(), u"RIGHT FOOT YELLOW"_s);
        QLabel *display = program->display();
        QVERIFY(capHeight(display) >= program->window.height() / 12.0);
        const QFontMetrics metrics(display->font());
        const QStringList lines = display->text().split(u'\n');
        for (const QString &line : lines) {
            QVERIFY2(metrics.horizontalAdvance(line) <= display->contentsRect().width(),
                     qPrintable(line));
        }
        QVERIFY(metrics.lineSpacing() * lines.size() <= display->height());
        const QRect board = program->find<QLabel>(u"imgBoard"_s)->geometry();
        QVERIFY(board.width() >= program->window.height() / 6);
        for (const QString &name : {u"cmdStart"_s, u"cmdStop"_s, u"lblStatus"_s, u"lblDisplay"_s,
                                    u"lblFullScreenHint"_s}) {
            const QRect rect = program->find<QWidget>(name)->geometry();
            QVERIFY2(!rect.intersects(board), qPrintable(name));
            QVERIFY2(program->window.rect().contains(rect), qPrintable(name));
        }
    }

    // Each call in full screen: its colour stands out at least 3:1 from what is right behind it
    // (yellow and green from a dark outline, blue and red from the white ground), and the limb
    // stands as a picture on a spot of the colour, which covers a good share of the screen
    // outside the words; left and right are different pictures. The designed window draws the
    // colours as they are.
    void everyCallShowsInFullScreen_data()
    {
        QTest::addColumn<float>("draw"); // the colour's and the limb's
        QTest::addColumn<qint16>("limb");
        QTest::addColumn<bool>("outlined");
        QTest::newRow("green left hand") << 0.1f << qint16(1) << true;
        QTest::newRow("yellow right hand") << 0.3f << qint16(2) << true;
        QTest::newRow("blue left foot") << 0.6f << qint16(3) << false;
        QTest::newRow("red right foot") << 0.9f << qint16(4) << false;
    }

    void everyCallShowsInFullScreen()
    {
        QFETCH(float, draw);
        QFETCH(qint16, limb);
        QFETCH(bool, outlined);
        for (const QString &name : StageWidgets) {
            QVERIFY2(!program->find<QWidget>(name)->isVisible(), qPrintable(name));
        }
        program->window.setFullScreen(true);
        auto *spot = program->window.findChild<LimbSpot *>();
        QTRY_VERIFY(spot->isVisible());
        // Larger than the capitals even on this square screen, where the board is small.
        QVERIFY(spot->height() >= 2 * capHeight(program->display()));
        QVERIFY(program->window.rect().contains(spot->geometry()));
        for (const QString &name : {u"cmdStart"_s, u"cmdStop"_s, u"lblStatus"_s, u"lblDisplay"_s}) {
            QVERIFY2(!spot->geometry().intersects(program->find<QWidget>(name)->geometry()),
                     qPrintable(name));
        }

        program->random.values = {draw, draw};
        QVERIFY(playToThePause());
        auto *call = qobject_cast<CallLabel *>(program->display());
        QVERIFY(call);
        QTRY_COMPARE(call->isOutlined(), outlined);
        const QColor colour = call->palette().color(QPalette::WindowText);
        if (!outlined) {
            QVERIFY(CallLabel::contrast(colour, call->ground()) >= 3.0);
        } else {
            // The darkest pixel drawn is the outline's.
            const QImage image = call->grab().toImage();
            QColor darkest = Qt::white;
            forEachPixel(image, [&](int x, int y) {
                const QColor pixel = image.pixelColor(x, y);
                darkest = pixel.lightness() < darkest.lightness() ? pixel : darkest;
            });
            QVERIFY2(CallLabel::contrast(colour, darkest) >= 3.0, qPrintable(darkest.name()));
        }

        QCOMPARE(spot->limb(), limb);
        QCOMPARE(spot->colour(), colour);
        const QImage screen = program->window.grab().toImage();
        // Most of the spot is the colour, the picture on it taking the rest (at 1080p that is
        // 4 % of the screen and more, which the screenshots of the real program measure).
        qint64 coloured = 0;
        forEachPixel(screen, [&](int x, int y) {
            coloured += screen.pixel(x, y) == colour.rgb() && !call->geometry().contains(x, y);
        });
        const qreal spotShare = coloured / qreal(spot->width() * spot->height());
        QVERIFY2(spotShare >= 0.4, qPrintable(QString::number(spotShare)));
        // The limb's corner of the board is lit in the colour on the players' side of the screen
        // (they face it), the others fade: on a television, where the spot leaves them clear.
        QCOMPARE(program->window.findChild<SideCue *>()->limb(), limb);
        const CallerLayout::FullScreen tv = CallerLayout::fullScreen(QSize(1920, 1080));
        QWidget room;
        room.resize(1920, 1080);
        QLabel board(&room);
        board.setPixmap(BoardPicture().drawn(tv.board.width(), 1.0));
        board.setGeometry(tv.board);
        SideCue cue(&room);
        cue.place(tv.board, tv.corners);
        cue.show();
        cue.showCall(limb, colour);
        const QImage lit = room.grab(tv.board).toImage();
        for (const QRect &corner : tv.corners) { // the middle of its picture, clear of the ring
            const int m = corner.width() * 2 / 9;
            const QImage middle
                = lit.copy(corner.translated(-tv.board.topLeft()).adjusted(m, m, -m, -m));
            int darkest = 255;
            qint64 coloured = 0;
            forEachPixel(middle, [&](int x, int y) {
                darkest = std::min(darkest, middle.pixelColor(x, y).lightness());
                coloured += middle.pixel(x, y) == colour.rgb();
            });
            const bool called = corner == tv.corners[limb - 1];
            QCOMPARE(darkest >= 150, !called);
            QVERIFY2((coloured >= middle.width() * middle.height() / 20) == called,
                     qPrintable(QString::number(coloured)));
        }

        // A colour faint on white has a dark rim; the picture differs from the other side's.
        QCOMPARE(spot->hasRim(), CallLabel::contrast(colour, Qt::white) < 3.0);
        const QImage picture = spot->grab().toImage();
        spot->showCall(qint16(limb % 2 == 1 ? limb + 1 : limb - 1), colour);
        QVERIFY(spot->grab().toImage() != picture);

        program->window.setFullScreen(false);
        QTRY_VERIFY(!call->isOutlined()); // once the window has left full screen
        program->stop()->click();
        QCOMPARE(spot->limb(), qint16(0));
        QCOMPARE(program->window.findChild<SideCue *>()->limb(), qint16(0));
    }

    // On entering and whenever the mouse moves, a hint says how to leave; the pointer hides
    // while the mouse rests, and the touch controls with it. None of it outlives full screen.
    void hintAndPointerFollowTheMouse()
    {
        auto *hint = program->window.findChild<FullScreenHint *>();
        hint->setDelays(60, 100);
        QLabel *label = program->find<QLabel>(u"lblFullScreenHint"_s);
        QWidget *controls = program->find<QWidget>(u"frmStageControls"_s);
        QVERIFY(!label->isVisible());

        QTest::keyClick(&program->window, Qt::Key_F11);
        QVERIFY(label->isVisible());
        QCOMPARE(label->text(), u"Esc leaves full screen"_s);
        QVERIFY(!hint->isPointerHidden());
        QTRY_VERIFY(!label->isVisible());
        QTRY_VERIFY(hint->isPointerHidden());
        QCOMPARE(program->window.cursor().shape(), Qt::BlankCursor);
        QTRY_VERIFY(!controls->isVisible());

        QTest::mouseMove(program->window.windowHandle(), QPoint(100, 100));
        QVERIFY(label->isVisible());
        QVERIFY(controls->isVisible());
        QVERIFY(!hint->isPointerHidden());
        QTRY_VERIFY(hint->isPointerHidden());

        QTest::keyClick(&program->window, Qt::Key_Escape);
        QVERIFY(!label->isVisible());
        QVERIFY(!hint->isPointerHidden());
        QCOMPARE(program->window.cursor().shape(), Qt::ArrowCursor);
        QTest::mouseMove(program->window.windowHandle(), QPoint(120, 100));
        QVERIFY(!label->isVisible());
    }

    // Large buttons to touch drive the game as the menu does, offered when its entries are,
    // without taking the keyboard's focus.
    void touchControlsDriveTheGame()
    {
        program->window.setFullScreen(true);
        QWidget *controls = program->find<QWidget>(u"frmStageControls"_s);
        QTRY_VERIFY(controls->isVisible());
        const auto button = [this](const QString &name) {
            return program->find<QPushButton>(u"cmdStage"_s + name);
        };
        for (const QString &name : {u"Start"_s, u"Pause"_s, u"Repeat"_s, u"Next"_s, u"Stop"_s}) {
            const QRect rect = button(name)->geometry();
            QVERIFY2(qMin(rect.width(), rect.height()) >= CallerLayout::LeastControlHeight,
                     qPrintable(name));
            QVERIFY2(controls->rect().contains(rect), qPrintable(name));
            QVERIFY2(!button(name)->accessibleName().isEmpty() || !button(name)->text().isEmpty(),
                     qPrintable(name));
        }
        // On any screen (fonts differ from system to system) every control stays in its room,
        // Stop apart from the rest.
        for (const QSize screen : {QSize(1920, 1080), QSize(640, 480), QSize(360, 640)}) {
            const CallerLayout::FullScreen layout = CallerLayout::fullScreen(screen);
            qobject_cast<StageControls *>(controls)->place(layout.controls, layout.controlsFont);
            QVERIFY2(button(u"Stop"_s)->geometry().right() < layout.controls.width()
                         && button(u"Stop"_s)->x() - button(u"Next"_s)->geometry().right()
                             >= layout.controls.height() - 1,
                     qPrintable(u"%1x%2"_s.arg(screen.width()).arg(screen.height())));
        }
        program->window.setFullScreen(false);
        program->window.setFullScreen(true);
        QVERIFY(!button(u"Stop"_s)->isEnabled() && !button(u"Pause"_s)->isEnabled());

        QTest::mouseClick(button(u"Start"_s), Qt::LeftButton);
        QCOMPARE(program->phase(), GameSequencer::Phase::Countdown);
        QVERIFY(!controls->isAncestorOf(QApplication::focusWidget()));
        for (const bool paused : {true, false}) {
            QTest::mouseClick(button(u"Pause"_s), Qt::LeftButton);
            QCOMPARE(program->game.sequencer()->isPaused(), paused);
            QCOMPARE(button(u"Pause"_s)->text(), paused ? u"Resume"_s : u"Pause"_s);
        }
        QTest::mouseClick(button(u"Next"_s), Qt::LeftButton); // the countdown ends at once
        QCOMPARE(program->phase(), GameSequencer::Phase::Limb);
        QVERIFY(!button(u"Next"_s)->isEnabled()); // never over a call being said
        program->clock.advanceBy(10'000);
        QTRY_VERIFY(button(u"Repeat"_s)->isEnabled());
        QSignalSpy shown(program->game.sequencer(), &GameSequencer::displayChanged);
        QTest::mouseClick(button(u"Repeat"_s), Qt::LeftButton);
        QTRY_COMPARE(shown.count(), 2);

        // A finger on Stop: Qt makes the touch a click.
        const std::unique_ptr<QPointingDevice> finger(QTest::createTouchDevice());
        const QPoint stop
            = button(u"Stop"_s)->mapTo(&program->window, button(u"Stop"_s)->rect().center());
        QTest::touchEvent(&program->window, finger.get()).press(0, stop, &program->window);
        QTest::touchEvent(&program->window, finger.get()).release(0, stop, &program->window);
        QTRY_COMPARE(program->phase(), GameSequencer::Phase::Idle);
    }

    // With the pointer at rest the controls are hidden, and a hidden control is no target: the
    // first touch or click only shows them, the next one presses.
    void firstTouchOnlyShowsTheControls_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("touch");
        QTest::newRow("touch Stop") << u"Stop"_s << true;
        QTest::newRow("touch Pause") << u"Pause"_s << true;
        QTest::newRow("click Stop") << u"Stop"_s << false;
        QTest::newRow("click Pause") << u"Pause"_s << false;
    }

    void firstTouchOnlyShowsTheControls()
    {
        QFETCH(QString, button);
        QFETCH(bool, touch);
        auto *hint = program->window.findChild<FullScreenHint *>();
        hint->setDelays(60, 100);
        program->window.setFullScreen(true);
        QTest::keyClick(&program->window, Qt::Key_F5);
        QTRY_VERIFY(hint->isPointerHidden());
        hint->setDelays(60, 60'000); // once shown, they stay however slow the machine
        QWidget *target = program->find<QPushButton>(u"cmdStage"_s + button);
        QWindow *window = program->window.windowHandle();
        const QPoint at = target->mapTo(&program->window, target->rect().center());
        const std::unique_ptr<QPointingDevice> finger(QTest::createTouchDevice());
        const auto tap = [&] {
            if (touch) {
                QTest::touchEvent(window, finger.get()).press(0, at, window);
                QTest::touchEvent(window, finger.get()).release(0, at, window);
            } else {
                QTest::mouseClick(window, Qt::LeftButton, {}, at);
            }
        };
        QVERIFY(!target->isVisible());
        tap();
        QTRY_VERIFY(target->isVisible());
        QCOMPARE(program->phase(), GameSequencer::Phase::Countdown);
        QVERIFY(!program->game.sequencer()->isPaused());
        tap();
        QTRY_VERIFY(button == u"Stop"_s ? program->phase() == GameSequencer::Phase::Idle
                                        : program->game.sequencer()->isPaused());
    }

    // The sign of the time to the next call empties over each wait, rests while the game is
    // paused, and goes while a call is made. A paused game dims the whole stage under "Paused"
    // and the seconds left; Resume clears it.
    void pauseHoldsTheRingAndDimsTheStage()
    {
        auto *ring = program->window.findChild<NextCallRing *>();
        auto *veil = program->window.findChild<PausedVeil *>();
        QAction *pause = program->find<QAction>(u"mnuGamePause"_s);
        // The designed window shows a paused game as it stood, but for the status line.
        QTest::keyClick(&program->window, Qt::Key_F5);
        const QImage counting = program->window.grab().toImage();
        pause->trigger();
        QVERIFY(program->game.sequencer()->isPaused());
        const QImage held = program->window.grab().toImage();
        const QRect status(program->status()->mapTo(&program->window, QPoint()),
                           program->status()->size());
        QCOMPARE(changedPixels(counting, held, status), 0);
        program->stop()->click();

        program->window.setFullScreen(true);
        QTRY_VERIFY(ring->isVisible() == false);
        QTest::keyClick(&program->window, Qt::Key_F5);
        QVERIFY(ring->isVisible());
        QCOMPARE(ring->shownFraction(), 1.0);
        QCOMPARE(program->window.findChild<SideCue *>()->limb(), qint16(0)); // no side yet
        QVERIFY(ring->isTicking());
        const qreal whole = drawnShare(ring);
        QVERIFY(whole > 0);
        program->clock.advanceBy(6'000);
        QTRY_COMPARE(ring->shownFraction(), 0.4);
        QVERIFY(qAbs(drawnShare(ring) / whole - 0.4) < 0.08); // it empties,
        QCOMPARE(drawnShare(ring, true), 0.0); // clockwise from the top
        pause->trigger();
        QVERIFY(!ring->isTicking());
        program->clock.advanceBy(60'000);
        QTest::qWait(2 * NextCallRing::LeastIntervalMs);
        QCOMPARE(ring->shownFraction(), 0.4);
        pause->trigger();
        QVERIFY(ring->isTicking());
        program->clock.advanceBy(4'000);
        QTRY_COMPARE(program->phase(), GameSequencer::Phase::Pause); // the call came and went
        QVERIFY(ring->isVisible());
        QCOMPARE(ring->shownFraction(), 1.0);

        program->clock.advanceBy(2'500);
        QApplication::processEvents();
        const QImage running = program->window.grab().toImage();
        pause->trigger();
        QVERIFY(veil->isVisible());
        QCOMPARE(veil->geometry(), program->window.rect());
        QCOMPARE(veil->title(), u"Paused"_s);
        QCOMPARE(veil->secondsText(), u"Seconds left: 5"_s);
        const QImage paused = program->window.grab().toImage();
        QVERIFY(changedPixels(running, paused) >= paused.width() * paused.height() * 3 / 100);
        pause->trigger();
        QVERIFY(!veil->isVisible());
        program->stop()->click();
        QVERIFY(!ring->isVisible());
        QVERIFY(!ring->isTicking());
    }

    void presentationRemoteRunsTheGame()
    {
        program->window.setFullScreen(true); // the menu bar is hidden: keys must still work
        using Phase = GameSequencer::Phase;
        const QList<std::pair<QKeySequence, Phase>> presses{
            {QKeySequence(Qt::Key_PageDown), Phase::Countdown},
            {QKeySequence(Qt::Key_PageUp), Phase::Idle},
            {QKeySequence(Qt::Key_F5), Phase::Countdown},
            {QKeySequence(Qt::Key_B), Phase::Idle},
            {QKeySequence(Qt::SHIFT | Qt::Key_F5), Phase::Countdown},
            {QKeySequence(Qt::Key_Period), Phase::Idle},
        };
        for (const auto &[keys, phase] : presses) {
            QTest::keySequence(&program->window, keys);
            QVERIFY2(program->phase() == phase, qPrintable(keys.toString()));
        }

        QAction *repeat = program->find<QAction>(u"mnuGameRepeat"_s);
        QVERIFY(!repeat->isEnabled()); // nothing to repeat yet
        QVERIFY(playToThePause());
        QVERIFY(repeat->isEnabled());
        QSignalSpy shown(program->game.sequencer(), &GameSequencer::displayChanged);
        QTest::keyClick(&program->window, Qt::Key_R);
        QTRY_COMPARE(shown.count(), 2); // the limb, then the whole call again
        QTRY_COMPARE(program->phase(), Phase::Pause);
        QTest::keyClick(&program->window, Qt::Key_N); // the next call at once
        QCOMPARE(program->phase(), Phase::Limb);
        QCOMPARE(shown.count(), 3);
    }

private:
    // F5 starts a game, and the first call is made.
    bool playToThePause()
    {
        QTest::keyClick(&program->window, Qt::Key_F5);
        program->clock.advanceBy(10'000);
        return QTest::qWaitFor([this] { return program->phase() == GameSequencer::Phase::Pause; });
    }

    std::unique_ptr<TemporaryConfig> config;
    std::unique_ptr<Program> program;
};

QTEST_MAIN(TestFullScreen)
#include "tst_fullscreen.moc"
