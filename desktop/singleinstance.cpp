// SPDX-License-Identifier: GPL-3.0-or-later
#include "singleinstance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
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
    if (m_folder.isEmpty() || !QDir().mkpath(m_folder)) {
        return true;
    }
    m_lock = std::make_unique<QLockFile>(m_folder + u"/limbora.lock"_s);
    m_lock->setStaleLockTime(0); // stale only when its process is gone, however long it ran
    if (m_lock->tryLock(0)) {
        listen();
        return true;
    }
    if (m_lock->error() != QLockFile::LockFailedError) {
        qCDebug(lcSession, "no lock in %s: running anyway", qUtf8Printable(m_folder));
        return true;
    }

    // The first one may still be starting: try again for a little while. Nothing else runs yet,
    // so these short bounded waits hold up nothing.
    const QString socketPath = m_folder + u"/limbora.socket"_s;
    const QDeadlineTimer deadline(ReachAllowanceMs);
    QLocalSocket socket;
    while (!deadline.hasExpired()) {
        socket.connectToServer(socketPath);
        if (socket.waitForConnected(int(std::min<qint64>(200, deadline.remainingTime())))) {
            socket.write(RaiseRequest);
            socket.waitForBytesWritten(int(std::max<qint64>(1, deadline.remainingTime())));
            socket.disconnectFromServer();
            qCDebug(lcSession, "another instance runs: asked it to come forward");
            return false;
        }
        socket.abort();
        QThread::msleep(50);
    }
    qCDebug(lcSession, "another instance holds the lock but doesn't answer");
    return false;
}

void SingleInstance::listen()
{
    const QString socketPath = m_folder + u"/limbora.socket"_s;
    QLocalServer::removeServer(socketPath); // a crashed instance's
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
