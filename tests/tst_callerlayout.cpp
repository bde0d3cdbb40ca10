// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardpicture.h"
#include "callerlayout.h"
#include "calltables.h"
#include "designfonts.h"
#include "gamewords.h"

#include <QFontMetricsF>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

// The full-screen caller from its size alone, no window needed.
class TestCallerLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { loadBundledFonts(); }

    void fullScreen_data()
    {
        QTest::addColumn<QSize>("area");
        QTest::addColumn<int>("playerRows");
        QTest::newRow("1920x1080") << QSize(1920, 1080) << 0;
        QTest::newRow("3840x2160") << QSize(3840, 2160) << 0;
        QTest::newRow("1024x768") << QSize(1024, 768) << 0;
        QTest::newRow("portrait") << QSize(1080, 1920) << 0;
        QTest::newRow("narrow") << QSize(300, 900) << 0; // not even a word fits at full size
        QTest::newRow("1920x1080, nine players") << QSize(1920, 1080) << 3;
        QTest::newRow("1024x768, two players") << QSize(1024, 768) << 1;
        QTest::newRow("portrait, six players") << QSize(1080, 1920) << 2;
    }

    // Every call is inside the screen and readable from across the room; nothing overlaps.
    void fullScreen()
    {
        QFETCH(QSize, area);
        QFETCH(int, playerRows);
        const CallerLayout::FullScreen layout = CallerLayout::fullScreen(area, playerRows);
        QVERIFY(layout.isValid());
        const QRect screen(QPoint(0, 0), area);
        QVERIFY(screen.contains(layout.board));
        QVERIFY(layout.board.width() >= std::min(area.width(), area.height()) / 6);
        // Nothing stands on the board's pictures.
        for (const QRect &rect :
             {layout.start, layout.stop, layout.status, layout.display, layout.hint}) {
            QVERIFY(screen.contains(rect));
            QVERIFY(!rect.intersects(layout.board));
        }
        // The stage: the call's picture beside the words, several times their capitals where the
        // screen isn't narrow; touch controls at least a centimetre tall between STOP! and the
        // hint.
        QVERIFY(screen.contains(layout.spot));
        for (const QRect &rect : {layout.start, layout.stop, layout.status, layout.display}) {
            QVERIFY(!rect.intersects(layout.spot));
            QVERIFY(!rect.intersects(layout.controls));
        }
        if (area.width() >= 1000) {
            QVERIFY2(layout.spot.height() >= 3 * QFontMetricsF(layout.callFont).capHeight(),
                     qPrintable(QString::number(layout.spot.height())));
        }
        // Each limb's lit corner: a whole disc on the board, on the players' side of the screen
        // (they face it), clear of the spot's disc where the screen isn't narrow.
        for (std::size_t limb = 0; limb < layout.corners.size(); ++limb) {
            const QRect &corner = layout.corners[limb];
            QVERIFY(layout.board.contains(corner)
                    && screen.adjusted(1, 1, -1, -1).contains(corner));
            QCOMPARE(corner.center().x() < layout.board.center().x(), limb % 2 == 0);
            const QPointF apart = corner.center() - layout.spot.center();
            QVERIFY(area.width() < 1000
                    || std::hypot(apart.x(), apart.y())
                        >= (corner.width() + layout.spot.width()) / 2.0);
        }
        QVERIFY(screen.contains(layout.ring) && !layout.ring.intersects(layout.start));
        QVERIFY(layout.controls.height() >= CallerLayout::LeastControlHeight);
        QVERIFY(screen.contains(layout.controls));
        QVERIFY(layout.start.bottom() < layout.status.top());
        QVERIFY(layout.stop.bottom() < layout.hint.top());
        // The names under STOP!, each row one a finger can hit, the controls free below them.
        QVERIFY(layout.players.height() >= playerRows * CallerLayout::LeastControlHeight);
        QVERIFY(playerRows == 0
                || (layout.stop.bottom() < layout.players.top()
                    && layout.players.bottom() < layout.controls.top()
                    && layout.controls.bottom() < layout.hint.top()
                    && !layout.players.intersects(layout.board)));
        QVERIFY(layout.status.bottom() < layout.display.top());
        QVERIFY(layout.display.bottom() < layout.stop.top());
        QCOMPARE(layout.start.size(), layout.stop.size());

        const QFontMetricsF metrics(layout.callFont);
        // On a screen in portrait, fitting comes first; nine names take some of the call's room.
        if (area.width() >= area.height()) {
            QVERIFY2(metrics.capHeight() >= area.height() / (playerRows > 2 ? 16.0 : 12.0),
                     qPrintable(QString::number(metrics.capHeight())));
        }
        QList<GameDisplay> displays;
        for (qint16 l = DrawLower; l <= DrawUpper; ++l) {
            for (qint16 c = DrawLower; c <= DrawUpper; ++c) {
                displays << GameDisplay{GameDisplay::Kind::Call, 0, Call{c, l}, Rgb{0, 0, 0}};
            }
        }
        // The countdown shows in the call's place and font.
        for (qint16 seconds : {qint16(10), qint16(60)}) {
            displays << GameDisplay{GameDisplay::Kind::Countdown, seconds, Call(), Rgb{0, 0, 0}};
        }
        qreal lines = 1;
        for (const GameDisplay &display : displays) {
            const QString text = GameWords::display(display);
            const QString shown = CallerLayout::fittedCall(text, layout.callFont, layout.callWidth);
            if (!layout.twoLines) {
                QCOMPARE(shown, text);
            }
            for (const QString &line : shown.split(u'\n')) {
                QVERIFY2(metrics.horizontalAdvance(line) <= layout.display.width(),
                         qPrintable(line));
            }
            lines = std::max(lines, qreal(shown.count(u'\n') + 1));
        }
        QVERIFY(metrics.lineSpacing() * lines <= layout.display.height());
        QCOMPARE(lines > 1, layout.twoLines);
    }

    void nothingToLayOutInAnEmptyArea()
    {
        QVERIFY(!CallerLayout::fullScreen(QSize(0, 1080)).isValid());
        QVERIFY(!CallerLayout::fullScreen(QSize()).isValid());
    }

    // Crisp at any scale: the board has as many pixels as the screen shows it with, and is
    // drawn once for as long as that stays so.
    void boardIsDrawnAtTheScreensPixels()
    {
        BoardPicture board;
        for (const qreal ratio : {1.0, 1.5, 2.0}) {
            const QPixmap designed = board.designed(ratio);
            QCOMPARE(designed.devicePixelRatio(), ratio);
            QCOMPARE(designed.width(), int(std::lround(413 * ratio)));
            QCOMPARE(designed.deviceIndependentSize().toSize(), QSize(413, 413));
            QCOMPARE(board.designed(ratio).cacheKey(), designed.cacheKey());
        }
        const QPixmap drawn = board.drawn(1080, 2.0);
        QCOMPARE(drawn.size(), QSize(2160, 2160));
        QCOMPARE(board.drawn(1080, 2.0).cacheKey(), drawn.cacheKey());
    }

    void aWideCallBreaksBeforeItsColour()
    {
        const QFont font = CallerLayout::labelFont();
        const QString call = u"RIGHT FOOT YELLOW"_s;
        const int width = QFontMetrics(font).horizontalAdvance(call);
        QCOMPARE(CallerLayout::fittedCall(call, font, width), call);
        QCOMPARE(CallerLayout::fittedCall(call, font, width - 1), u"RIGHT FOOT\nYELLOW"_s);
    }
};

QTEST_MAIN(TestCallerLayout)
#include "tst_callerlayout.moc"
