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
#include <QLockFile>
#include <QRegularExpression>
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
    // and wherever it stands: everything reads as the defaults, and the file is replaced. Plain
    // at signs are kept.
    void decodedValuesSpoilTheFile_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("spoils");
        QTest::newRow("nested lists in [Game]")
            << Stored + "[Game]\nPauseSeconds=" + nestedLists(25'000) + "\n"
            << true;
        QTest::newRow("in a section of its own")
            << Stored + "[Other]\nKey=@Variant(\\0\\0\\0\\x2)\n"
            << true;
        QTest::newRow("a date") << Stored + "Date=@DateTime(\\0\\0)\n" << true;
        QTest::newRow("hex escape") << Stored + "X=\\x40Variant(\\0)\n" << true;
        QTest::newRow("long hex escape") << Stored + "X=\\x10040Variant(\\0)\n" << true;
        QTest::newRow("octal escape") << Stored + "X=\\100Variant(\\0)\n" << true;
        QTest::newRow("quoted pieces") << Stored + "X=\"@Var\"iant(\\0)\n" << true;
        QTest::newRow("dropped escape") << Stored + "X=@Var\\ziant(\\0)\n" << true;
        QTest::newRow("continued line") << Stored + "X=@Var\\\niant(\\0)\n" << true;
        QTest::newRow("list item") << Stored + "X=a, @Variant(\\0)\n" << true;
        const QByteArray kept = "Mail=host@example.org\nBytes=@ByteArray(abc)\n";
        QTest::newRow("harmless at signs") << Stored + kept << false;
        // A line QSettings can't read costs only itself: the file is saved, the rest kept.
        QTest::newRow("a stray line after the values") << Stored + kept + "oops\n" << false;
        QTest::newRow("a stray line before them") << "oops\n" + Stored + kept << false;
        QTest::newRow("a broken section") << Stored + kept + "[Other\nKey=1\n" << false;
    }

    void decodedValuesSpoilTheFile()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, spoils);
        writeBytes(file(), text);
        QCOMPARE(readGameSettings(), GameSettings());
        PlacementStore store;
        QCOMPARE(store.restore(), spoils ? Defaults : QRect(200, 67, 433, 433));
        store.save(QRect(100, 100, 433, 433));
        const QByteArray written = readBytes(file());
        if (spoils) {
            QCOMPARE(written,
                     QByteArray("[Settings]\nMainHeight=6500\nMainLeft=1500\n"
                                "MainTop=1500\nMainWidth=6500\n"));
        } else {
            QVERIFY2(written.contains("MainLeft=1500"), written.constData());
            QVERIFY(written.contains("host@example.org"));
            QVERIFY(written.contains("@ByteArray(abc)"));
        }
    }

    // Saving goes through the lock: one no process holds, whatever it says, is taken over at once;
    // one that is no file or is held by a live process gives up within the bound, changing nothing.
    void savingGoesThroughTheLock_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QByteArray>("lock");
        QTest::addColumn<bool>("saved");
        QTest::newRow("a dead process's")
            << u"file"_s << QByteArray("99999999\nLimbora\nhost\n") << true;
        QTest::newRow("another host's")
            << u"file"_s << QByteArray("1\nlimbora\nsomewhere-else\n") << true;
        QTest::newRow("FIFO") << u"fifo"_s << QByteArray() << false;
        QTest::newRow("link to a device") << u"device"_s << QByteArray() << false;
        QTest::newRow("held by a live process") << u"held"_s << QByteArray() << false;
    }

    void savingGoesThroughTheLock()
    {
        QFETCH(QString, kind);
        QFETCH(QByteArray, lock);
        QFETCH(bool, saved);
        writeBytes(file(), Stored);
        const QString lockPath = file() + u".lock"_s;
        QLockFile live(lockPath);
        if (kind == u"held") {
            QVERIFY(live.tryLock(0));
        } else if (kind == u"device") {
            placeAt(lockPath, u"link"_s, u"/dev/zero"_s);
        } else if (kind == u"fifo") {
            placeAt(lockPath, kind);
        } else {
            writeBytes(lockPath, lock);
        }

        if (!saved) {
            // Said in the trace each time, never silently.
            for (int save = 0; save < 2; ++save) {
                QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"not saved"_s));
            }
        }
        QElapsedTimer elapsed;
        elapsed.start();
        PlacementStore store;
        store.save(store.restore().translated(10, 10));
        GameSettings options;
        options.game.pauseSeconds = 3;
        QCOMPARE(writeGameSettings(options), saved);
        QCOMPARE_LE(elapsed.elapsed(), 1000);
        const QByteArray after = readBytes(file());
        if (saved) {
            QVERIFY2(after.contains("[Game]") && after.contains("MainLeft=3150"),
                     after.constData());
        } else {
            QCOMPARE(after, Stored);
        }
        QCOMPARE(QFileInfo::exists(lockPath), !saved);
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

    // The new file is written beside the old one, whatever the temporary folder is (elsewhere, it
    // could not take the old one's place in one rename), so a reader holding the old file (here: a
    // second name for it) sees it whole, never emptied or half written. The new file keeps the old
    // one's permissions.
    void fileIsReplacedInOneStep_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("temporary"); // empty: as it is
        QTest::newRow("damaged") << QByteArray("\x80\x81[[[Settings\nMainLeft==\n") << QString();
        QTest::newRow("readable") << Stored << QString();
        QTest::newRow("temporary folder missing") << Stored << u"/nonexistent/limbora-tmp"_s;
        QTest::newRow("temporary folder on another file system") << Stored << u"/dev/shm"_s;
    }

    void fileIsReplacedInOneStep()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, temporary);
        struct stat there = {}, here = {};
        if (!temporary.isEmpty() && ::stat(QFile::encodeName(temporary).constData(), &there) == 0
            && (::stat(QFile::encodeName(config->path()).constData(), &here) != 0
                || there.st_dev == here.st_dev)) {
            QSKIP("the temporary folder is on the settings' own file system here");
        }
        const bool wasSet = qEnvironmentVariableIsSet("TMPDIR");
        const QByteArray tmpdir = qgetenv("TMPDIR");
        const auto restore = qScopeGuard(
            [wasSet, &tmpdir] { wasSet ? qputenv("TMPDIR", tmpdir) : qunsetenv("TMPDIR"); });
        if (!temporary.isEmpty()) {
            qputenv("TMPDIR", QFile::encodeName(temporary));
        }
        writeBytes(file(), before);
        QVERIFY(QFile::setPermissions(file(), QFile::ReadOwner | QFile::WriteOwner));
        const QString otherName = config->filePath(u"held-by-a-reader"_s);
        QCOMPARE(
            ::link(QFile::encodeName(file()).constData(), QFile::encodeName(otherName).constData()),
            0);

        PlacementStore store;
        store.save(QRect(100, 100, 433, 433));
        GameSettings options;
        options.game.pauseSeconds = 3;
        QVERIFY(writeGameSettings(options));
        QCOMPARE(readGameSettings(), options);
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
