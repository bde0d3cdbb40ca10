// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowfixture.h"
#include "windowplacement.h"

#include <QFile>
#include <QGuiApplication>
#include <QMetaMethod>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <memory>

using namespace Qt::StringLiterals;

class TestWindowPlacement : public QObject
{
    Q_OBJECT

    enum Way { FullScreenAndBack, SessionEnd, Resized };

private Q_SLOTS:
    void init()
    {
        config = std::make_unique<TemporaryConfig>();
        StoredSettings settings;
        settings.beginGroup(u"Settings"_s);
        const QStringList stored{u"3000"_s, u"1500"_s, u"6000"_s, u"5000"_s};
        for (int i = 0; i < PlacementKeys.size(); ++i) {
            settings.setValue(PlacementKeys[i], stored[i]);
        }
    }

    // However the window is left to be saved, what is written is where it stands and the size
    // read, never what the platform makes of it.
    void placementIsWrittenBackAsRead_data()
    {
        QTest::addColumn<bool>("positionKnown");
        QTest::addColumn<int>("way");
        QTest::addColumn<QStringList>("expected");
        const QStringList moved{u"4500"_s, u"3000"_s, u"6000"_s, u"5000"_s};
        QTest::newRow("full screen and back") << true << int(FullScreenAndBack) << moved;
        // Where the platform can't tell where a window is (Wayland), the position read is kept.
        QTest::newRow("position unknown")
            << false << int(FullScreenAndBack)
            << QStringList{u"3000"_s, u"1500"_s, u"6000"_s, u"5000"_s};
        // Logging out: the session manager asks for the data, and may end the program unclosed.
        QTest::newRow("session end") << true << int(SessionEnd) << moved;
        // A frame drawn inside the window, a window manager that adjusts: the size stays as read.
        QTest::newRow("resized") << true << int(Resized) << moved;
    }

    void placementIsWrittenBackAsRead()
    {
        QFETCH(bool, positionKnown);
        QFETCH(int, way);
        QFETCH(QStringList, expected);
        QWidget window;
        WindowPlacement placement(window);
        placement.setPositionKnown(positionKnown);
        QVERIFY(show(window, placement));
        window.move(300, 200);
        switch (Way(way)) {
        case FullScreenAndBack:
            placement.requestFullScreen(true);
            placement.save();
            QCOMPARE(storedPlacement(), expected);
            placement.requestFullScreen(false);
            QTRY_VERIFY(!placement.isSettling());
            placement.save();
            break;
        case SessionEnd: {
            // QSessionManager can't be made outside Qt; what listens here never reads it.
            const QMetaMethod request
                = QMetaMethod::fromSignal(&QGuiApplication::commitDataRequest);
            void *arguments[] = {nullptr, nullptr};
            QMetaObject::activate(qApp, request.enclosingMetaObject(),
                                  request.relativeMethodIndex(), arguments);
            break;
        }
        case Resized:
            window.setFixedSize(500, 500);
            placement.save();
            break;
        }
        QCOMPARE(storedPlacement(), expected);
    }

    // A full-screen change the window didn't ask for is the window manager's request, followed
    // as the user's; an answer to the window's own request is not one.
    void platformsOwnChangeIsFollowed()
    {
        QWidget window;
        WindowPlacement placement(window);
        QVERIFY(show(window, placement));
        QSignalSpy changes(&placement, &WindowPlacement::fullScreenChanged);
        window.windowHandle()->setWindowStates(Qt::WindowFullScreen);
        QTRY_COMPARE(changes.count(), 1);
        QCOMPARE(changes.at(0).at(0).toBool(), true);
        QVERIFY(placement.isFullScreenRequested());

        QTRY_VERIFY(!placement.isSettling());
        placement.requestFullScreen(false);
        QTRY_VERIFY(!placement.isSettling());
        QCOMPARE(changes.count(), 2);
        QVERIFY(!(window.windowState() & Qt::WindowFullScreen));
        QVERIFY(!placement.isFullScreenRequested());
    }

private:
    static bool show(QWidget &window, WindowPlacement &placement)
    {
        placement.restore(QSize(1, 1));
        window.show();
        return QTest::qWaitForWindowExposed(&window);
    }

    std::unique_ptr<TemporaryConfig> config;
};

QTEST_MAIN(TestWindowPlacement)
#include "tst_windowplacement.moc"
