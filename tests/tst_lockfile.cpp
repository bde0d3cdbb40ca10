// SPDX-License-Identifier: GPL-3.0-or-later
// The lock every shared file of ours goes through, against whatever may lie at its path.
#include "lockfile.h"
#include "pathfixture.h"

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
