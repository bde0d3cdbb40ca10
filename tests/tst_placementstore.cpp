// SPDX-License-Identifier: GPL-3.0-or-later
#include "placementstore.h"
#include "settingsfixture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

class TestPlacementStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        config = std::make_unique<TemporaryConfig>();
        QVERIFY(config->isValid());
    }

    // Each value is applied, or falls back to its default alone; nothing stored reads as the
    // defaults, and reading makes no file.
    void storedValuesAreAppliedOneByOne_data()
    {
        QTest::addColumn<QStringList>("stored"); // empty: a first run
        QTest::addColumn<QRect>("expected");

        QTest::newRow("first run") << QStringList() << QRect(67, 67, 433, 433); // 1000, 6500 twips
        QTest::newRow("all usable")
            << QStringList{u"3000"_s, u"1500"_s, u"7200"_s, u"6000"_s} << QRect(200, 100, 480, 400);
        QTest::newRow("words") << QStringList{u"left"_s, u"1500"_s, u"x"_s, u"6000"_s}
                               << QRect(67, 100, 433, 400);
        QTest::newRow("not finite")
            << QStringList{u"nan"_s, u"inf"_s, u"-inf"_s, u"1e999"_s} << QRect(67, 67, 433, 433);
        QTest::newRow("sizes not positive")
            << QStringList{u"-3000"_s, u"-15"_s, u"0"_s, u"-6500"_s} << QRect(-200, -1, 433, 433);
        QTest::newRow("size rounds to nothing")
            << QStringList{u"0"_s, u"0"_s, u"7"_s, u"8"_s} << QRect(0, 0, 433, 1);
        QTest::newRow("beyond any screen")
            << QStringList{u"1e30"_s, u"0"_s, u"1e12"_s, u"300"_s} << QRect(67, 0, 433, 20);
        QTest::newRow("empty") << QStringList{QString(), u" "_s, QString(), QString()}
                               << QRect(67, 67, 433, 433);
        QTest::newRow("fractions and blanks")
            << QStringList{u" 1507.5 "_s, u"1e3"_s, u"6500.0"_s, u"6.5e3"_s}
            << QRect(101, 67, 433, 433);
    }

    void storedValuesAreAppliedOneByOne()
    {
        QFETCH(QStringList, stored);
        QFETCH(QRect, expected);
        if (!stored.isEmpty()) {
            write(stored);
        }
        PlacementStore store;
        QCOMPARE(store.restore(), expected);
        QCOMPARE(QFile::exists(file()), !stored.isEmpty());
    }

    // A value the window still has is written back exactly as read, run after run, so rounding
    // never makes it creep; a moved one is written in twips, an unusable one replaced.
    void savedValuesAreWrittenBack_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QPoint>("move");
        QTest::addColumn<QStringList>("written");
        QTest::newRow("unmoved") << QStringList{u"1003"_s, u"994.5"_s, u"6507"_s, u"6.5e3"_s}
                                 << QPoint()
                                 << QStringList{u"1003"_s, u"994.5"_s, u"6507"_s, u"6.5e3"_s};
        QTest::newRow("moved") << QStringList{u"1003"_s, u"994.5"_s, u"6507"_s, u"6500"_s}
                               << QPoint(10, 0)
                               << QStringList{u"1155"_s, u"994.5"_s, u"6507"_s, u"6500"_s};
        QTest::newRow("unusable") << QStringList{u"junk"_s, u"1500"_s, u"-1"_s, u"6000"_s}
                                  << QPoint()
                                  << QStringList{u"1000"_s, u"1500"_s, u"6500"_s, u"6000"_s};
    }

    void savedValuesAreWrittenBack()
    {
        QFETCH(QStringList, stored);
        QFETCH(QPoint, move);
        QFETCH(QStringList, written);
        write(stored);
        for (int run = 0; run < 3; ++run) {
            PlacementStore store;
            store.save(store.restore().translated(run == 0 ? move : QPoint()));
            QCOMPARE(storedPlacement(), written);
        }
    }

    void sizesBeyondWhatTheWindowCanBeFallBack_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("one pixel high")
            << QStringList{u"0"_s, u"0"_s, u"6000"_s, u"8"_s} << QRect(0, 0, 400, 433);
        QTest::newRow("wider than any screen")
            << QStringList{u"0"_s, u"0"_s, u"99999990"_s, u"6000"_s} << QRect(0, 0, 433, 400);
        QTest::newRow("smallest and largest")
            << QStringList{u"0"_s, u"0"_s, u"3750"_s, u"15360"_s} << QRect(0, 0, 250, 1024);
    }

    void sizesBeyondWhatTheWindowCanBeFallBack()
    {
        QFETCH(QStringList, stored);
        QFETCH(QRect, expected);
        write(stored);
        PlacementStore store;
        QCOMPARE(store.restore(QSize(250, 320), QSize(1280, 1024)), expected);
    }

    void damagedFileIsReplacedByOnlyWhatIsWritten_data()
    {
        QTest::addColumn<QByteArray>("damage");
        QRandomGenerator random(10);
        QByteArray noise(4096, '\0');
        random.fillRange(reinterpret_cast<quint32 *>(noise.data()), noise.size() / 4);
        QTest::newRow("random bytes") << noise;
        QTest::newRow("unreadable as settings")
            << QByteArray("\xff\xfe[[[Settings\x00\x01MainLeft==\n\x80\x81", 27);
        QTest::newRow("far larger than settings") << QByteArray(2 << 20, 'a');
    }

    void damagedFileIsReplacedByOnlyWhatIsWritten()
    {
        QFETCH(QByteArray, damage);
        QDir().mkpath(config->filePath(u"Limbora"_s));
        writeBytes(file(), damage);

        PlacementStore store;
        QCOMPARE(store.restore(), QRect(67, 67, 433, 433));
        store.save(QRect(100, 100, 433, 433));
        QCOMPARE(readBytes(file()),
                 QByteArray("[Settings]\nMainHeight=6500\nMainLeft=1500\n"
                            "MainTop=1500\nMainWidth=6500\n"));
    }

    void readableFileKeepsWhatItDoesNotKnow()
    {
        QDir().mkpath(config->filePath(u"Limbora"_s));
        writeBytes(file(), "[Game]\nPause=5\n\n[Settings]\nColour=blue\nMainLeft=3000\n");
        PlacementStore store;
        QCOMPARE(store.restore().left(), 200);
        store.save(QRect(100, 100, 433, 433));
        QSettings settings(file(), QSettings::IniFormat);
        QCOMPARE(settings.value(u"Game/Pause"_s).toString(), u"5"_s);
        QCOMPARE(settings.value(u"Settings/Colour"_s).toString(), u"blue"_s);
        QCOMPARE(settings.value(u"Settings/MainLeft"_s).toString(), u"1500"_s);
    }

    void onlyARegularFileIsReadOrWritten()
    {
        QDir().mkpath(config->filePath(u"Limbora"_s));
        const QString fifo = config->filePath(u"fifo"_s);
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const QString target = config->filePath(u"elsewhere.conf"_s);
        for (const QString &linked : {fifo, config->filePath(u"nowhere"_s)}) {
            QFile::remove(file());
            QVERIFY(QFile::link(linked, file()));
            PlacementStore store;
            QCOMPARE(store.restore(), QRect(67, 67, 433, 433));
            store.save(QRect(100, 100, 433, 433));
            QCOMPARE(QFileInfo(file()).symLinkTarget(), linked);
        }
        QVERIFY(QFileInfo(fifo).exists() && !QFileInfo(fifo).isFile());
        QVERIFY(!QFileInfo::exists(config->filePath(u"nowhere"_s)));

        // A link to a regular file is followed, and stays a link.
        QFile::remove(file());
        writeBytes(target, "[Settings]\nMainLeft=3000\n");
        QVERIFY(QFile::link(target, file()));
        PlacementStore store;
        QCOMPARE(store.restore().left(), 200);
        store.save(QRect(100, 100, 433, 433));
        QCOMPARE(QFileInfo(file()).symLinkTarget(), target);
        QVERIFY(readBytes(target).contains("MainLeft=1500"));
    }

    void lockThatCannotBeHadGivesUpSaving_data()
    {
        QTest::addColumn<bool>("live"); // held by a live process, else a folder in its place
        QTest::newRow("a folder") << false;
        QTest::newRow("held by a live process") << true;
    }

    void lockThatCannotBeHadGivesUpSaving()
    {
        QFETCH(bool, live);
        write({u"3000"_s, u"1500"_s, u"7200"_s, u"6000"_s});
        const QByteArray before = readBytes(file());
        const QString lockPath = file() + u".lock"_s;
        QLockFile held(lockPath);
        if (live) {
            QVERIFY(held.tryLock(0));
        } else {
            QVERIFY(QDir().mkpath(lockPath));
        }
        PlacementStore store;
        store.save(store.restore().translated(10, 10));
        QElapsedTimer elapsed;
        elapsed.start();
        store.save(QRect(0, 0, 433, 433));
        QCOMPARE_LE(elapsed.elapsed(), 500);
        QCOMPARE(readBytes(file()), before);
    }

    void unwritablePlaceIsSurvived()
    {
        // A file where the directory should be stops even root, who writes past permissions.
        QFile blocker(config->filePath(u"Limbora"_s));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();

        PlacementStore store;
        QCOMPARE(store.restore(), QRect(67, 67, 433, 433));
        store.save(QRect(1, 2, 300, 300)); // must neither crash nor hang
        QCOMPARE(store.restore(), QRect(67, 67, 433, 433));
    }

    void keepOnScreen_data()
    {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QRect>("expected");
        const QRect frame(67, 67, 433, 433);

        QTest::newRow("on screen") << frame << frame;
        QTest::newRow("partly off the right edge")
            << frame.translated(1500, 0) << frame.translated(1500, 0);
        QTest::newRow("title bar just grabbable")
            << QRect(1920 - 32, 1040, 433, 433) << QRect(1920 - 32, 1040, 433, 433);
        QTest::newRow("far right, on no screen")
            << QRect(5000, 200, 433, 433) << QRect(1920 + 1280 - 433, 200, 433, 433);
        QTest::newRow("above every screen")
            << QRect(300, -600, 433, 433) << QRect(300, 0, 433, 433);
        QTest::newRow("title bar above, body below")
            << QRect(300, -30, 433, 433) << QRect(300, 0, 433, 433);
        QTest::newRow("a few rows of title bar showing")
            << QRect(300, -20, 433, 433) << QRect(300, -20, 433, 433);
        QTest::newRow("in the gap below the small screen")
            << QRect(2500, 1100, 433, 433) << QRect(2500, 1024 - 433, 433, 433);
        QTest::newRow("larger than any screen")
            << QRect(-9000, -9000, 4000, 3000) << QRect(0, 0, 4000, 3000);
    }

    void keepOnScreen()
    {
        QFETCH(QRect, frame);
        QFETCH(QRect, expected);
        const QList<QRect> screens{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
        QCOMPARE(::keepOnScreen(frame, screens), expected);
    }

private:
    QString file() const { return config->settingsFile(); }

    static void writeBytes(const QString &path, const QByteArray &bytes)
    {
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly));
        QCOMPARE(out.write(bytes), bytes.size());
    }

    static QByteArray readBytes(const QString &path)
    {
        QFile in(path);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }

    void write(const QStringList &values)
    {
        StoredSettings settings;
        settings.beginGroup(u"Settings"_s);
        for (int i = 0; i < PlacementKeys.size(); ++i) {
            settings.setValue(PlacementKeys[i], values[i]);
        }
    }

    std::unique_ptr<TemporaryConfig> config;
};

QTEST_GUILESS_MAIN(TestPlacementStore)
#include "tst_placementstore.moc"
