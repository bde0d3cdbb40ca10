// SPDX-License-Identifier: GPL-3.0-or-later
#include "ownedfolder.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>
#endif
#ifdef Q_OS_WIN
#include "windowsfiles.h"
#endif

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcFiles, "limbora.files", QtWarningMsg)

#ifdef Q_OS_UNIX

QString systemError(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

QString kindOfFile(unsigned mode)
{
    if (S_ISLNK(mode)) {
        return u"a link"_s;
    }
    if (S_ISDIR(mode)) {
        return u"a folder"_s;
    }
    if (S_ISFIFO(mode)) {
        return u"a FIFO"_s;
    }
    if (S_ISSOCK(mode)) {
        return u"a socket"_s;
    }
    if (S_ISCHR(mode) || S_ISBLK(mode)) {
        return u"a device"_s;
    }
    return S_ISREG(mode) ? u"a file"_s : u"not a regular file"_s;
}

OwnedFolder::OwnedFolder(const QString &base, const QString &below, Missing missing)
    : m_path(below.isEmpty() ? base : base + u'/' + below)
{
    if (base.isEmpty()) {
        m_why = u"no folder"_s;
        return;
    }
    if (missing == Missing::Make) {
        QDir().mkpath(base);
    }
    int fd = ::open(QFile::encodeName(base).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        m_absent = errno == ENOENT;
        fail(base, systemError(errno));
        return;
    }
    const QStringList steps = below.split(u'/', Qt::SkipEmptyParts);
    for (const QString &step : steps) {
        const QByteArray name = QFile::encodeName(step);
        // O_DIRECTORY refuses a FIFO or device before opening could block on it.
        const int flags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
        int next = step == u"." || step == u".." ? -1 : ::openat(fd, name.constData(), flags);
        if (next < 0 && errno == ENOENT && missing == Missing::Make
            && (::mkdirat(fd, name.constData(), 0700) == 0 || errno == EEXIST)) {
            next = ::openat(fd, name.constData(), flags);
        }
        struct stat status = {};
        QString why;
        if (next < 0) {
            m_absent = errno == ENOENT;
            why = ::fstatat(fd, name.constData(), &status, AT_SYMLINK_NOFOLLOW) == 0
                    && !S_ISDIR(status.st_mode)
                ? kindOfFile(status.st_mode)
                : systemError(errno);
        } else if (::fstat(next, &status) != 0 || status.st_uid != ::geteuid()) {
            why = u"not the user's"_s;
        }
        if (!why.isEmpty()) {
            if (next >= 0) {
                ::close(next);
            }
            ::close(fd);
            fail(step, why);
            return;
        }
        if (&step == &steps.last()) {
            m_parent = fd;
        } else {
            ::close(fd);
        }
        fd = next;
    }
    m_fd = fd;
    m_name = steps.isEmpty() ? QString() : steps.last();
}

OwnedFolder::~OwnedFolder()
{
    for (const int fd : {m_fd, m_parent}) {
        if (fd >= 0) {
            ::close(fd);
        }
    }
}

bool OwnedFolder::isOpen() const
{
    return m_fd >= 0;
}

QString OwnedFolder::whyNotAFile(const QString &name) const
{
    struct stat status = {};
    if (!isOpen()) {
        return m_why;
    }
    if (::fstatat(m_fd, QFile::encodeName(name).constData(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
        return errno == ENOENT ? QString() : systemError(errno);
    }
    return S_ISREG(status.st_mode) ? QString() : kindOfFile(status.st_mode);
}

QString OwnedFolder::makeTemporary(const QString &prefix)
{
    if (!isOpen()) {
        return {};
    }
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QString name
            = prefix + u'.' + QString::number(QRandomGenerator::global()->generate(), 36);
        const int fd = ::openat(m_fd, QFile::encodeName(name).constData(),
                                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd >= 0) {
            ::close(fd);
            return name;
        }
        if (errno != EEXIST) {
            fail(name, systemError(errno));
            return {};
        }
    }
    return {};
}

bool OwnedFolder::replace(const QString &from, const QString &name, unsigned mode)
{
    if (const QString why = whyNotAFile(name); !why.isEmpty()) {
        return fail(name, why);
    }
    const QByteArray source = QFile::encodeName(from);
    struct stat status = {};
    if (::fstatat(m_fd, source.constData(), &status, AT_SYMLINK_NOFOLLOW) != 0
        || !S_ISREG(status.st_mode)) {
        return fail(from, u"not the file written"_s);
    }
    if (::fchmodat(m_fd, source.constData(), mode_t(mode), 0) != 0
        || ::renameat(m_fd, source.constData(), m_fd, QFile::encodeName(name).constData()) != 0) {
        return fail(name, systemError(errno));
    }
    return true;
}

bool OwnedFolder::write(const QString &name, const QByteArray &bytes, unsigned mode)
{
    if (const QString why = whyNotAFile(name); !why.isEmpty()) {
        return fail(name, why);
    }
    const QString work = makeTemporary(name);
    if (work.isEmpty()) {
        return false;
    }
    const QByteArray workName = QFile::encodeName(work);
    const int fd = ::openat(m_fd, workName.constData(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC);
    bool written = fd >= 0;
    for (qsizetype done = 0; written && done < bytes.size();) {
        const ssize_t step = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        written = step > 0 || (step < 0 && errno == EINTR);
        done += std::max<ssize_t>(step, 0);
    }
    written = written && ::fsync(fd) == 0;
    const int error = errno;
    if (fd >= 0) {
        ::close(fd);
    }
    if (!written || !replace(work, name, mode)) {
        ::unlinkat(m_fd, workName.constData(), 0);
        return written ? false : fail(name, systemError(error)); // a full file system
    }
    return true;
}

bool OwnedFolder::remove(const QString &name)
{
    if (!isOpen()) {
        return m_absent;
    }
    // A link goes itself; a folder or what else stands there is not ours to take away.
    if (const QString why = whyNotAFile(name); !why.isEmpty() && why != kindOfFile(S_IFLNK)) {
        return fail(name, why);
    }
    if (::unlinkat(m_fd, QFile::encodeName(name).constData(), 0) != 0 && errno != ENOENT) {
        return fail(name, systemError(errno));
    }
    return true;
}

void OwnedFolder::removeIfEmpty()
{
    if (m_parent >= 0) {
        ::unlinkat(m_parent, QFile::encodeName(m_name).constData(), AT_REMOVEDIR);
    }
}

#else

QString kindOfFile(unsigned)
{
    return u"not a regular file"_s;
}

OwnedFolder::OwnedFolder(const QString &base, const QString &below, Missing missing)
    : m_path(below.isEmpty() ? base : base + u'/' + below)
{
    const bool there = !base.isEmpty()
        && (missing == Missing::Make ? QDir().mkpath(m_path) : QFileInfo(m_path).isDir());
    if (there) {
        m_fd = 0;
    } else {
        m_absent = !QFileInfo::exists(m_path);
        fail(m_path, u"not a folder"_s);
    }
}

OwnedFolder::~OwnedFolder() = default;

bool OwnedFolder::isOpen() const
{
    return m_fd >= 0;
}

QString OwnedFolder::whyNotAFile(const QString &name) const
{
    const QFileInfo file(m_path + u'/' + name);
    return !isOpen() ? m_why : (!file.exists() || file.isFile()) ? QString() : kindOfFile(0);
}

QString OwnedFolder::makeTemporary(const QString &prefix)
{
    QTemporaryFile file(m_path + u'/' + prefix + u".XXXXXX"_s);
    file.setAutoRemove(false);
    return isOpen() && file.open() ? QFileInfo(file.fileName()).fileName() : QString();
}

bool OwnedFolder::replace(const QString &from, const QString &name, unsigned)
{
    const QString target = m_path + u'/' + name;
#ifdef Q_OS_WIN
    return whyNotAFile(name).isEmpty() && replaceInOneStep(m_path + u'/' + from, target);
#else
    return whyNotAFile(name).isEmpty() && (!QFileInfo::exists(target) || QFile::remove(target))
        && QFile::rename(m_path + u'/' + from, target);
#endif
}

bool OwnedFolder::write(const QString &name, const QByteArray &bytes, unsigned)
{
    QSaveFile file(m_path + u'/' + name);
    return whyNotAFile(name).isEmpty() && file.open(QIODevice::WriteOnly)
        && file.write(bytes) == bytes.size() && file.commit();
}

bool OwnedFolder::remove(const QString &name)
{
    return (!isOpen() && m_absent) || !QFileInfo::exists(m_path + u'/' + name)
        || QFile::remove(m_path + u'/' + name);
}

void OwnedFolder::removeIfEmpty()
{
    QDir().rmdir(m_path);
}

#endif

bool OwnedFolder::fail(const QString &what, const QString &why)
{
    m_why = what + u" is "_s + why;
    qCDebug(lcFiles, "%s: %s: left alone", qUtf8Printable(m_path), qUtf8Printable(m_why));
    return false;
}
