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

private Q_SLOTS:
    void init()
    {
        config = std::make_unique<TemporaryConfig>();
        store({u"3000"_s, u"1500"_s, u"6000"_s, u"5000"_s});
    }

    // Where the platform can't tell where a window is (Wayland), what it reports is never
    // stored: the position read is written back as it was, and so is the size.
    void unknownPositionIsKeptAsStored_data()
    {
        QTest::addColumn<bool>("positionKnown");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("known") << true << QStringList{u"4500"_s, u"3000"_s, u"6000"_s, u"5000"_s};
        QTest::newRow("unknown") << false
                                 << QStringList{u"3000"_s, u"1500"_s, u"6000"_s, u"5000"_s};
    }

    void unknownPositionIsKeptAsStored()
    {
        QFETCH(bool, positionKnown);
        QFETCH(QStringList, expected);
        QWidget window;
        WindowPlacement placement(window);
        placement.setPositionKnown(positionKnown);
        placement.restore(QSize(1, 1));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.move(300, 200);
        placement.requestFullScreen(true);
        placement.save();
        QCOMPARE(storedPlacement(), expected);
        placement.requestFullScreen(false);
        QTRY_VERIFY(!placement.isSettling());
        placement.save();
        QCOMPARE(storedPlacement(), expected);
    }

    // Logging out: the session manager asks for the data to be saved, and may end the program
    // without a close.
    void sessionEndKeepsThePlacement()
    {
        QWidget window;
        WindowPlacement placement(window);
        placement.restore(QSize(1, 1));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.move(300, 200);
        // QSessionManager can't be made outside Qt; what listens here never reads it.
        const QMetaMethod request = QMetaMethod::fromSignal(&QGuiApplication::commitDataRequest);
        void *arguments[] = {nullptr, nullptr};
        QMetaObject::activate(qApp, request.enclosingMetaObject(), request.relativeMethodIndex(),
                              arguments);
        QCOMPARE(storedPlacement(), (QStringList{u"4500"_s, u"3000"_s, u"6000"_s, u"5000"_s}));
    }

    // Whatever size the window ends up with (a frame drawn inside it, a window manager that
    // adjusts), the stored size is the one read: the window can't be resized.
    void sizeIsWrittenBackAsRead()
    {
        QWidget window;
        WindowPlacement placement(window);
        placement.restore(QSize(1, 1));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.setFixedSize(500, 500);
        placement.save();
        QCOMPARE(storedPlacement().mid(2), (QStringList{u"6000"_s, u"5000"_s}));
    }

    // A full-screen change the window didn't ask for is the window manager's request, followed
    // as the user's; an answer to the window's own request is not one.
    void platformsOwnChangeIsFollowed()
    {
        QWidget window;
        WindowPlacement placement(window);
        placement.restore(QSize(1, 1));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
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
    static void store(const QStringList &values)
    {
        QSettings settings(u"Limbora"_s, u"Limbora"_s);
        settings.beginGroup(u"Settings"_s);
        const QStringList &keys = PlacementKeys;
        for (int i = 0; i < keys.size(); ++i) {
            settings.setValue(keys[i], values[i]);
        }
    }

    std::unique_ptr<TemporaryConfig> config;
};

QTEST_MAIN(TestWindowPlacement)
#include "tst_windowplacement.moc"
