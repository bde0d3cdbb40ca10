// SPDX-License-Identifier: GPL-3.0-or-later
#include "lockfile.h"

#include "ownedfolder.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>
#include <QThread>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

namespace {

#ifdef Q_OS_UNIX

// Empty where the path may hold a lock: nothing there, or a regular file of a lock's size.
QString whyNotALock(const struct stat &status)
{
    if (!S_ISREG(status.st_mode)) {
        return kindOfFile(status.st_mode);
    }
    if (status.st_size > LockFile::LargestLock) {
        return u"%1 bytes, larger than a lock"_s.arg(status.st_size);
    }
    return {};
}

#endif

} // namespace

// The owner as QLockFile's file begins: process id, program, host, for anyone who looks.
QByteArray LockFile::ownerDetails()
{
    const QString program = QCoreApplication::instance()
        ? QFileInfo(QCoreApplication::applicationFilePath()).fileName()
        : QCoreApplication::applicationName();
    return QByteArray::number(QCoreApplication::applicationPid()) + '\n' + program.toUtf8() + '\n'
        + QSysInfo::machineHostName().toUtf8() + '\n';
}

LockFile::LockFile(const QString &path)
    : m_path(path)
{
}

LockFile::~LockFile()
{
    unlock();
}

bool LockFile::tryLock(std::chrono::milliseconds wait)
{
    if (m_state == State::Locked) {
        return true;
    }
    const QDeadlineTimer deadline(wait);
    for (;;) {
        m_state = attempt();
        if (m_state != State::Held || deadline.hasExpired()) {
            return m_state == State::Locked;
        }
        // Only ever a short bounded wait, for another instance that is writing.
        QThread::msleep(ulong(std::clamp<qint64>(deadline.remainingTime(), 1, 20)));
    }
}

#ifdef Q_OS_UNIX

LockFile::State LockFile::attempt()
{
    const QByteArray path = QFile::encodeName(m_path);
    m_why.clear();
    // A previous owner may let go and remove the file between our open and our lock: then the
    // file we locked is no longer the lock, and we look again.
    for (int round = 0; round < 3; ++round) {
        struct stat before = {};
        if (::lstat(path.constData(), &before) == 0) {
            m_why = whyNotALock(before);
        } else if (errno != ENOENT) {
            m_why = systemError(errno);
        }
        if (!m_why.isEmpty()) {
            return State::Unusable;
        }
        // Never follows a link, and a FIFO or device put here since the look doesn't block.
        const int fd = ::open(path.constData(),
                              O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
        if (fd < 0) {
            m_why = errno == ELOOP ? u"a link"_s : systemError(errno);
            return State::Unusable;
        }
        struct stat opened = {};
        if (::fstat(fd, &opened) != 0 || !(m_why = whyNotALock(opened)).isEmpty()) {
            if (m_why.isEmpty()) {
                m_why = systemError(errno);
            }
            ::close(fd);
            return State::Unusable;
        }
        // Whatever the file says of its owner, only a live process can hold this.
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
            ::close(fd);
            return State::Held;
        }
        // (A file system without flock() gives no exclusion, as QLockFile then gives none.)
        struct stat now = {};
        if (::lstat(path.constData(), &now) != 0 || now.st_dev != opened.st_dev
            || now.st_ino != opened.st_ino) {
            ::close(fd);
            continue;
        }
        const QByteArray details = ownerDetails();
        if (::ftruncate(fd, 0) != 0
            || ::pwrite(fd, details.constData(), size_t(details.size()), 0) != details.size()) {
            m_why = systemError(errno); // a full file system
            ::unlink(path.constData());
            ::close(fd);
            return State::Unusable;
        }
        m_fd = fd;
        return State::Locked;
    }
    return State::Held;
}

void LockFile::unlock()
{
    if (m_fd < 0) {
        return;
    }
    // Removed while still held, and only if it is still ours, so that no one takes a lock that is
    // about to vanish.
    const QByteArray path = QFile::encodeName(m_path);
    struct stat ours = {};
    struct stat now = {};
    if (::fstat(m_fd, &ours) == 0 && ::lstat(path.constData(), &now) == 0
        && ours.st_dev == now.st_dev && ours.st_ino == now.st_ino) {
        ::unlink(path.constData());
    }
    ::close(m_fd);
    m_fd = -1;
    m_state = State::Unlocked;
}

QString LockFile::clearOwnedPath(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat status = {};
    if (::lstat(name.constData(), &status) != 0) {
        return errno == ENOENT ? QString() : systemError(errno);
    }
    if (S_ISDIR(status.st_mode)) {
        return kindOfFile(status.st_mode);
    }
    return ::unlink(name.constData()) == 0 || errno == ENOENT ? QString() : systemError(errno);
}

#elif !defined(Q_OS_WIN) // Windows: lockfile_windows.cpp

LockFile::State LockFile::attempt()
{
    m_portable = std::make_unique<QLockFile>(m_path);
    m_portable->setStaleLockTime(0);
    if (m_portable->tryLock(0)) {
        return State::Locked;
    }
    const bool held = m_portable->error() == QLockFile::LockFailedError;
    m_portable.reset();
    if (!held) {
        m_why = u"can't be made"_s;
    }
    return held ? State::Held : State::Unusable;
}

void LockFile::unlock()
{
    m_portable.reset();
    m_state = State::Unlocked;
}

QString LockFile::clearOwnedPath(const QString &path)
{
    QFile::remove(path);
    return {};
}

#endif
