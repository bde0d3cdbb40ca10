// SPDX-License-Identifier: GPL-3.0-or-later
// The lock every shared file of ours goes through, and the folder every file we write or remove
// goes through, against whatever may lie at their paths.
#include "lockfile.h"
#include "ownedfolder.h"
#include "pathfixture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace Qt::StringLiterals;

using State = LockFile::State;

class TestLockFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        folder = std::make_unique<QTemporaryDir>();
        path = folder->filePath(u"test.lock"_s);
    }

    // What lies at the path decides: taken, or left as it is with the reason; never a wait.
    void whatLiesThere_data()
    {
        QTest::addColumn<QString>("there");
        QTest::addColumn<State>("state");
        QTest::addColumn<QString>("why");
        QTest::newRow("nothing") << u"nothing"_s << State::Locked << QString();
        QTest::newRow("a crashed owner's") << u"stale"_s << State::Locked << QString();
        QTest::newRow("empty") << u"empty"_s << State::Locked << QString();
        QTest::newRow("garbage") << u"garbage"_s << State::Locked << QString();
        QTest::newRow("too big") << u"big"_s << State::Unusable << u"larger than a lock"_s;
        QTest::newRow("FIFO") << u"fifo"_s << State::Unusable << u"a FIFO"_s;
        QTest::newRow("folder") << u"folder"_s << State::Unusable << u"a folder"_s;
        QTest::newRow("socket") << u"socket"_s << State::Unusable << u"a socket"_s;
        QTest::newRow("link to a lock") << u"link"_s << State::Unusable << u"a link"_s;
        QTest::newRow("link to nothing") << u"dangling"_s << State::Unusable << u"a link"_s;
        QTest::newRow("held by a live process") << u"held"_s << State::Held << QString();
    }

    void whatLiesThere()
    {
        QFETCH(QString, there);
        QFETCH(State, state);
        QFETCH(QString, why);
        const QByteArray name = QFile::encodeName(path);
        const QString target = folder->filePath(u"elsewhere"_s);
        QLockFile live(path);
        if (there == u"stale") {
            // Its process is gone (ids go no higher than 2^22).
            write("99999999\nLimbora\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        } else if (there == u"held") {
            QVERIFY(live.tryLock(0));
        } else if (there == u"dangling") {
            placeAt(path, u"link"_s, target);
        } else if (there != u"nothing") {
            if (there == u"link") {
                placeAt(target, u"empty"_s);
            }
            placeAt(path, there, target, LockFile::LargestLock);
        }
        struct stat before = {};
        ::lstat(name.constData(), &before);

        QElapsedTimer elapsed;
        elapsed.start();
        LockFile lock(path);
        QCOMPARE(lock.tryLock(), state == State::Locked);
        QCOMPARE_LE(elapsed.elapsed(), 500);
        QCOMPARE(lock.state(), state);
        QVERIFY2(lock.whyUnusable().contains(why), qPrintable(lock.whyUnusable()));
        QCOMPARE(lock.whyUnusable().isEmpty(), state != State::Unusable);

        struct stat after = {};
        ::lstat(name.constData(), &after);
        if (state == State::Locked) {
            QVERIFY(S_ISREG(after.st_mode));
            QCOMPARE(read().split('\n').value(0), QByteArray::number(::getpid()));
            // Another lock, ours or Qt's, finds it held, and it is gone once let go.
            QVERIFY(!LockFile(path).tryLock());
            QVERIFY(!QLockFile(path).tryLock(0));
            lock.unlock();
            QVERIFY(!QFileInfo::exists(path));
        } else {
            // Left exactly as it was, and nothing made at a link's target.
            QCOMPARE(after.st_ino, before.st_ino);
            QCOMPARE(after.st_size, before.st_size);
            QCOMPARE(QFileInfo::exists(target), there == u"link");
        }
    }

    // A socket's leftover is cleared for its new owner, however it was left; a folder is not.
    void clearsAnOwnedPath()
    {
        const QString socket = folder->filePath(u"test.socket"_s);
        QVERIFY(LockFile::clearOwnedPath(socket).isEmpty());
        placeAt(socket, u"fifo"_s);
        QVERIFY(LockFile::clearOwnedPath(socket).isEmpty());
        QVERIFY(!QFileInfo::exists(socket));
        placeAt(socket, u"link"_s, path);
        write("kept");
        QVERIFY(LockFile::clearOwnedPath(socket).isEmpty());
        QCOMPARE(read(), QByteArray("kept")); // the link went, not what it named
        placeAt(socket, u"folder"_s);
        QCOMPARE(LockFile::clearOwnedPath(socket), u"a folder"_s);
        QVERIFY(QFileInfo(socket).isDir());
    }

    // Something at one step of app/sub/name: nothing is written or removed through a link or in
    // place of anything but a file, and nothing of the user's where the link points is touched.
    void ownedFolderGoesThroughNoLink_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("there");
        QTest::addColumn<bool>("written");
        QTest::addColumn<bool>("removed");
        QTest::newRow("nothing") << QString() << QString() << true << true;
        QTest::newRow("an old file") << u"app/sub/name"_s << u"garbage"_s << true << true;
        QTest::newRow("link at the first folder") << u"app"_s << u"link"_s << false << false;
        QTest::newRow("link at the last folder") << u"app/sub"_s << u"link"_s << false << false;
        QTest::newRow("link at the file") << u"app/sub/name"_s << u"link"_s << false << true;
        QTest::newRow("link to nowhere at a folder") << u"app"_s << u"dangling"_s << false << false;
        QTest::newRow("FIFO at a folder") << u"app/sub"_s << u"fifo"_s << false << false;
        QTest::newRow("FIFO at the file") << u"app/sub/name"_s << u"fifo"_s << false << false;
        QTest::newRow("socket at the file") << u"app/sub/name"_s << u"socket"_s << false << false;
        QTest::newRow("folder at the file") << u"app/sub/name"_s << u"folder"_s << false << false;
        QTest::newRow("file at a folder") << u"app"_s << u"empty"_s << false << false;
    }

    void ownedFolderGoesThroughNoLink()
    {
        QFETCH(QString, step);
        QFETCH(QString, there);
        QFETCH(bool, written);
        QFETCH(bool, removed);
        // The user's own folder, shaped like ours, where a link may point.
        const QString users = folder->filePath(u"users"_s);
        QVERIFY(QDir().mkpath(users + u"/sub"_s));
        const QString precious = users + u"/sub/name"_s;
        QFile file(precious);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("keep") == 4);
        file.close();
        const QString base = folder->filePath(u"base"_s);
        if (!step.isEmpty()) {
            QVERIFY(QDir().mkpath(QFileInfo(base + u'/' + step).path()));
            const QString target
                = there == u"dangling"_s ? folder->filePath(u"nowhere"_s) : users + step.mid(3);
            placeAt(base + u'/' + step, there == u"dangling"_s ? u"link"_s : there, target);
        }

        QElapsedTimer elapsed;
        elapsed.start();
        OwnedFolder owned(base, u"app/sub"_s);
        QCOMPARE(owned.write(u"name"_s, "new"), written);
        QFile ours(base + u"/app/sub/name"_s);
        QCOMPARE(QFileInfo(ours).isFile() && ours.open(QIODevice::ReadOnly)
                     && ours.readAll() == "new",
                 written);
        QCOMPARE(OwnedFolder(base, u"app/sub"_s, OwnedFolder::Missing::Leave).remove(u"name"_s),
                 removed);
        QCOMPARE_LE(elapsed.elapsed(), 500);

        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("keep"));
        QCOMPARE(QDir(users + u"/sub"_s).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{u"name"_s});
        QVERIFY(!QFileInfo::exists(folder->filePath(u"nowhere"_s)));
    }

private:
    void write(const QByteArray &bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }

    QByteArray read()
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    std::unique_ptr<QTemporaryDir> folder;
    QString path;
};

QTEST_GUILESS_MAIN(TestLockFile)
#include "tst_lockfile.moc"
