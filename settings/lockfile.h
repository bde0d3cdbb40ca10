// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <chrono>
#include <memory>

class QLockFile;

// A lock file that nothing put in its place can hold up or keep taken: the path is used only when
// it is absent or a regular file of a lock's size, and is never followed through a link or opened
// where opening could block. Ownership is an advisory lock (flock) on the open file, which dies
// with its process, so a lock left behind by a crash, an empty file or garbage is taken over at
// once, whatever it says. QLockFile takes the same advisory lock, so each keeps the other out.
class LockFile
{
public:
    enum class State { Unlocked, Locked, Held, Unusable };

    // A lock holds a process id, a program and a host name.
    static constexpr qint64 LargestLock = 4096;

    explicit LockFile(const QString &path);
    ~LockFile();
    LockFile(const LockFile &) = delete;
    LockFile &operator=(const LockFile &) = delete;

    // Takes the lock, trying again for up to `wait` while another process holds it. Never blocks
    // on what lies at the path.
    bool tryLock(std::chrono::milliseconds wait = std::chrono::milliseconds(0));
    void unlock();

    State state() const { return m_state; }
    // Why the path can't hold a lock, where state() is Unusable.
    QString whyUnusable() const { return m_why; }

    // Clears a leftover at a path that the holder of this lock owns (a socket beside it): anything
    // but a folder is removed, never followed. Empty where the path is now free, else why not.
    static QString clearOwnedPath(const QString &path);
    // What a lock of this process holds.
    static QByteArray ownerDetails();

private:
    State attempt();

    QString m_path;
    State m_state = State::Unlocked;
    QString m_why;
    int m_fd = -1;
    std::unique_ptr<QLockFile> m_portable; // where there is no flock()
};
