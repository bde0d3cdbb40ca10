// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include <memory>

class LockFile;
class QLocalServer;

// One caller at a time for each user: the first start holds a lock file in the user's runtime
// folder and listens on a local socket beside it; a later start finds the lock held, asks the
// first through the socket to come forward, and should then end. It needs no session bus. A lock
// left by a crashed instance, or an empty or damaged one, is taken over (no process holds it),
// and its socket replaced. Where nothing can be made a lock there, or the first can't be reached,
// the start runs: a start always ends with a window in front.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    // How long a later start tries to reach the first one, which may still be starting.
    static constexpr int ReachAllowanceMs = 2000;

    explicit SingleInstance(const QString &folder, QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when this process is to run: it holds the lock, or no running one could be reached.
    // False when another runs and was asked to come forward.
    bool claim();

Q_SIGNALS:
    // A later start asked this one to come to the front.
    void raiseRequested();

private:
    bool reach(int allowanceMs);
    void listen();

    QString m_folder;
    std::unique_ptr<LockFile> m_lock;
    QLocalServer *m_server = nullptr;
};
