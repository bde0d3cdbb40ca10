// SPDX-License-Identifier: GPL-3.0-or-later
#include "singleinstance.h"

#include "foreground.h"
#include "lockfile.h"
#include "ownedfolder.h"

#include <QDeadlineTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLoggingCategory>
#include <QThread>
#include <QTimer>

#include <algorithm>

using namespace Qt::StringLiterals;

Q_DECLARE_LOGGING_CATEGORY(lcSession)

namespace {

const QByteArray RaiseRequest = "raise\n";
constexpr int ReadAllowanceMs = 500;

} // namespace

SingleInstance::SingleInstance(const QString &folder, QObject *parent)
    : QObject(parent)
    , m_folder(folder)
{
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::claim()
{
    if (!OwnedFolder(m_folder, QString()).isOpen()) {
        qCDebug(lcSession, "no runtime folder: running without the lock");
        return true;
    }
    m_lock = std::make_unique<LockFile>(m_folder + u"/limbora.lock"_s);
    if (m_lock->tryLock()) {
        listen();
        return true;
    }
    // Held by a live process, which may still be starting: tried for a little while. Where the
    // lock can't be used, bringing an earlier start forward is still tried once. Whatever keeps
    // the first from being reached, this start ends with a window in front: its own.
    const bool held = m_lock->state() != LockFile::State::Unusable;
    if (!held) {
        qCDebug(lcSession, "limbora.lock in %s is %s: running without the lock",
                qUtf8Printable(m_folder), qUtf8Printable(m_lock->whyUnusable()));
    }
    if (reach(held ? ReachAllowanceMs : 0)) {
        return false;
    }
    if (held) {
        qCDebug(lcSession, "another instance holds the lock but doesn't answer: running beside it");
    }
    listen();
    return true;
}

// Nothing else runs yet, so these short bounded waits hold up nothing.
bool SingleInstance::reach(int allowanceMs)
{
    const QString socketPath = m_folder + u"/limbora.socket"_s;
    const QDeadlineTimer deadline(allowanceMs);
    QLocalSocket socket;
    do {
        socket.connectToServer(socketPath);
        if (socket.waitForConnected(int(std::clamp<qint64>(deadline.remainingTime(), 50, 200)))) {
            handOnForeground();
            socket.write(RaiseRequest);
            socket.waitForBytesWritten(int(std::max<qint64>(50, deadline.remainingTime())));
            socket.disconnectFromServer();
            qCDebug(lcSession, "another instance runs: asked it to come forward");
            return true;
        }
        socket.abort();
        if (!deadline.hasExpired()) {
            QThread::msleep(50);
        }
    } while (!deadline.hasExpired());
    return false;
}

void SingleInstance::listen()
{
    // What lies there is a crashed instance's, or no one's that answered: this start owns it.
    const QString socketPath = m_folder + u"/limbora.socket"_s;
    if (const QString why = LockFile::clearOwnedPath(socketPath); !why.isEmpty()) {
        qCDebug(lcSession, "limbora.socket in %s is %s: a later start can't reach this one",
                qUtf8Printable(m_folder), qUtf8Printable(why));
        return;
    }
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(socketPath)) {
        qCDebug(lcSession, "can't listen on %s", qUtf8Printable(socketPath));
        return;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            // A caller that never writes is dropped after a moment, not waited for.
            auto *timer = new QTimer(socket);
            timer->setSingleShot(true);
            connect(timer, &QTimer::timeout, socket, &QLocalSocket::abort);
            timer->start(ReadAllowanceMs);
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (!socket->canReadLine()) {
                    if (socket->bytesAvailable() > RaiseRequest.size()) {
                        socket->abort();
                    }
                    return;
                }
                if (socket->readLine(RaiseRequest.size() + 1) == RaiseRequest) {
                    qCDebug(lcSession, "raise requested");
                    Q_EMIT raiseRequested();
                }
                socket->abort();
            });
        }
    });
}
