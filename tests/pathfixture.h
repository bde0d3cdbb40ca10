// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QTest>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

// Puts at `path` what a crash, a full disk or a hostile user may leave where a file of ours
// goes: "empty", "garbage", "big" (a regular file larger than `bigSize`), "fifo", "folder",
// "socket", or "link" to `target`.
inline void placeAt(const QString &path, const QString &kind, const QString &target = {},
                    qint64 bigSize = 4096)
{
    const QByteArray name = QFile::encodeName(path);
    if (kind == u"fifo") {
        QCOMPARE(::mkfifo(name.constData(), 0600), 0);
    } else if (kind == u"folder") {
        QCOMPARE(::mkdir(name.constData(), 0700), 0);
    } else if (kind == u"link") {
        QCOMPARE(::symlink(QFile::encodeName(target).constData(), name.constData()), 0);
    } else if (kind == u"socket") {
        const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address = {};
        address.sun_family = AF_UNIX;
        QVERIFY(size_t(name.size()) < sizeof(address.sun_path));
        qstrcpy(address.sun_path, name.constData());
        QCOMPARE(::bind(socket, reinterpret_cast<sockaddr *>(&address), sizeof(address)), 0);
        ::close(socket);
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        if (kind == u"big") {
            QVERIFY(file.resize(bigSize + 1));
        } else if (kind == u"garbage") {
            QVERIFY(file.write(QByteArray("\x7f\x00\xff\xfe junk\n", 11).repeated(20)) > 0);
        }
    }
}
