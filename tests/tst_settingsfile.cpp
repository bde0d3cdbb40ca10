// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamesettings.h"
#include "pathfixture.h"
#include "placementstore.h"
#include "settingsfile.h"
#include "settingsfixture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QRect Defaults(67, 67, 433, 433);
const QByteArray Stored = "[Settings]\nMainLeft=3000\n";

// QDataStream's form of a list holding a list holding ... `depth` deep, as an INI value spells
// it: type 9 (a list), then a count of 1, each byte escaped.
QByteArray nestedLists(int depth)
{
    QByteArray value = "@Variant(";
    for (int i = 0; i < depth; ++i) {
        value += "\\0\\0\\0\\t\\0\\0\\0\\x1";
    }
    return value + ")";
}

} // namespace

class TestSettingsFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        config = std::make_unique<TemporaryConfig>();
        QVERIFY(config->isValid());
        QVERIFY(QDir().mkpath(config->filePath(u"Limbora"_s)));
    }

    // A value QSettings would decode as binary data spoils the whole file, however it is spelled
    // and wherever it stands: everything reads as the defaults, and the file is replaced.
    void decodedValuesSpoilTheFile_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("nested lists in [Game]")
            << Stored + "[Game]\nPauseSeconds=" + nestedLists(25'000) + "\n";
        QTest::newRow("in a section of its own")
            << Stored + "[Other]\nKey=@Variant(\\0\\0\\0\\x2)\n";
        QTest::newRow("a date") << Stored + "Date=@DateTime(\\0\\0)\n";
        QTest::newRow("hex escape") << Stored + "X=\\x40Variant(\\0)\n";
        QTest::newRow("long hex escape") << Stored + "X=\\x10040Variant(\\0)\n";
        QTest::newRow("octal escape") << Stored + "X=\\100Variant(\\0)\n";
        QTest::newRow("quoted pieces") << Stored + "X=\"@Var\"iant(\\0)\n";
        QTest::newRow("dropped escape") << Stored + "X=@Var\\ziant(\\0)\n";
        QTest::newRow("continued line") << Stored + "X=@Var\\\niant(\\0)\n";
        QTest::newRow("list item") << Stored + "X=a, @Variant(\\0)\n";
    }

    void decodedValuesSpoilTheFile()
    {
        QFETCH(QByteArray, text);
        writeBytes(file(), text);
        QCOMPARE(readGameSettings(), GameSettings());
        PlacementStore store;
        QCOMPARE(store.restore(), Defaults);
        store.save(QRect(100, 100, 433, 433));
        QCOMPARE(readBytes(file()),
                 QByteArray("[Settings]\nMainHeight=6500\nMainLeft=1500\n"
                            "MainTop=1500\nMainWidth=6500\n"));
    }

    void harmlessAtSignsAreKept()
    {
        writeBytes(file(), Stored + "Mail=host@example.org\nBytes=@ByteArray(abc)\n");
        PlacementStore store;
        QCOMPARE(store.restore().left(), 200);
        store.save(QRect(100, 100, 433, 433));
        const QByteArray written = readBytes(file());
        QVERIFY(written.contains("host@example.org"));
        QVERIFY(written.contains("@ByteArray(abc)"));
    }

    // Whatever holds the lock's name, saving gives up within the bound and changes nothing.
    void lockThatIsNoFileGivesUpSaving_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("FIFO") << u"fifo"_s;
        QTest::newRow("socket") << u"socket"_s;
        QTest::newRow("link to a device") << u"device"_s;
        QTest::newRow("link to a FIFO") << u"linked fifo"_s;
        QTest::newRow("far too large") << u"big"_s;
    }

    void lockThatIsNoFileGivesUpSaving()
    {
        QFETCH(QString, kind);
        writeBytes(file(), Stored);
        const QString lock = file() + u".lock"_s;
        const QString fifo = config->filePath(u"fifo"_s);
        if (kind == u"device") {
            placeAt(lock, u"link"_s, u"/dev/zero"_s);
        } else if (kind == u"linked fifo") {
            placeAt(fifo, u"fifo"_s);
            placeAt(lock, u"link"_s, fifo);
        } else {
            placeAt(lock, kind, {}, qint64(2) << 30);
        }

        QElapsedTimer elapsed;
        elapsed.start();
        PlacementStore store;
        store.save(store.restore().translated(10, 10));
        GameSettings options;
        options.game.pauseSeconds = 3;
        QVERIFY(!writeGameSettings(options));
        QCOMPARE_LE(elapsed.elapsed(), 1000);
        QCOMPARE(readBytes(file()), Stored);
    }

    // A lock that no process holds, whatever it says, is taken over at once: an empty one left by a
    // full disk or a crash, or one whose owner can't be read.
    void lockWithoutALiveOwnerIsTakenOver_data()
    {
        QTest::addColumn<QByteArray>("lock");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("garbage") << QByteArray("\x01\x02 not a lock \xff\n", 17);
        QTest::newRow("a dead process's") << QByteArray("99999999\nLimbora\nhost\n");
        QTest::newRow("another host's") << QByteArray("1\nlimbora\nsomewhere-else\n");
    }

    void lockWithoutALiveOwnerIsTakenOver()
    {
        QFETCH(QByteArray, lock);
        writeBytes(file(), Stored);
        writeBytes(file() + u".lock"_s, lock);
        QElapsedTimer elapsed;
        elapsed.start();
        GameSettings options;
        options.game.pauseSeconds = 3;
        QVERIFY(writeGameSettings(options));
        QCOMPARE_LE(elapsed.elapsed(), 1000);
        const QByteArray saved = readBytes(file());
        QVERIFY2(saved.contains("[Game]") && saved.contains("MainLeft=3000"), saved.constData());
        QVERIFY(!QFileInfo::exists(file() + u".lock"_s));
    }

    // The lock is held from the first look at the file until the new one is in place, so another
    // writer can't slip in between; it is free again once the change is kept or dropped.
    void lockIsHeldAcrossTheWholeWrite()
    {
        auto first = SettingsFile().forWriting();
        QVERIFY(first);
        QVERIFY(QFileInfo::exists(file() + u".lock"_s));
        QVERIFY(!SettingsFile().forWriting());
        first->settings().setValue(u"Settings/MainLeft"_s, u"3000"_s);
        QVERIFY(first->commit());
        first.reset();
        QVERIFY(!QFileInfo::exists(file() + u".lock"_s));

        auto dropped = SettingsFile().forWriting();
        QVERIFY(dropped);
        dropped->settings().setValue(u"Settings/MainLeft"_s, u"9000"_s);
        dropped.reset(); // never committed: not kept
        QCOMPARE(readBytes(file()), Stored);
        QCOMPARE(QDir(config->filePath(u"Limbora"_s)).entryList(QDir::Files),
                 QStringList{u"Limbora.conf"_s});
    }

    // The new file is written beside the old one, whatever the temporary folder is: elsewhere,
    // it could not take the old one's place in one rename.
    void savedWhateverTheTemporaryFolder_data()
    {
        QTest::addColumn<QString>("temporary");
        QTest::newRow("missing") << u"/nonexistent/limbora-tmp"_s;
        QTest::newRow("another file system") << u"/dev/shm"_s;
    }

    void savedWhateverTheTemporaryFolder()
    {
        QFETCH(QString, temporary);
        struct stat there = {}, here = {};
        if (::stat(QFile::encodeName(temporary).constData(), &there) == 0
            && (::stat(QFile::encodeName(config->path()).constData(), &here) != 0
                || there.st_dev == here.st_dev)) {
            QSKIP("the temporary folder is on the settings' own file system here");
        }
        const bool wasSet = qEnvironmentVariableIsSet("TMPDIR");
        const QByteArray before = qgetenv("TMPDIR");
        const auto restore = qScopeGuard(
            [wasSet, &before] { wasSet ? qputenv("TMPDIR", before) : qunsetenv("TMPDIR"); });
        qputenv("TMPDIR", QFile::encodeName(temporary));

        PlacementStore store;
        store.save(QRect(100, 100, 433, 433));
        GameSettings options;
        options.game.pauseSeconds = 3;
        QVERIFY(writeGameSettings(options));
        QCOMPARE(readGameSettings(), options);
        QVERIFY(readBytes(file()).contains("MainLeft=1500"));
    }

    // A reader holding the old file (here: a second name for it) sees it whole, never emptied or
    // half written; the new file keeps the old one's permissions.
    void fileIsReplacedInOneStep_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::newRow("damaged") << QByteArray("\x80\x81[[[Settings\nMainLeft==\n");
        QTest::newRow("readable") << Stored;
    }

    void fileIsReplacedInOneStep()
    {
        QFETCH(QByteArray, before);
        writeBytes(file(), before);
        QVERIFY(QFile::setPermissions(file(), QFile::ReadOwner | QFile::WriteOwner));
        const QString otherName = config->filePath(u"held-by-a-reader"_s);
        QCOMPARE(
            ::link(QFile::encodeName(file()).constData(), QFile::encodeName(otherName).constData()),
            0);

        PlacementStore store;
        store.save(QRect(100, 100, 433, 433));
        QCOMPARE(readBytes(otherName), before);
        QVERIFY(readBytes(file()).contains("MainLeft=1500"));
        const QFile::Permissions modeBits = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
            | QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther
            | QFile::WriteOther | QFile::ExeOther;
        QCOMPARE(QFileInfo(file()).permissions() & modeBits, QFile::ReadOwner | QFile::WriteOwner);
    }

private:
    QString file() const { return config->settingsFile(); }

    static void writeBytes(const QString &path, const QByteArray &bytes)
    {
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(out.write(bytes), bytes.size());
    }

    static QByteArray readBytes(const QString &path)
    {
        QFile in(path);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }

    std::unique_ptr<TemporaryConfig> config;
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
