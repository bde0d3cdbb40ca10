// SPDX-License-Identifier: GPL-3.0-or-later
#include "soundcache.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

SoundCache::SoundCache(const QString &directory)
    : m_directory(directory)
{
}

std::optional<WavSound> SoundCache::find(const QString &name, const QStringList &folders)
{
    for (const QString &folder : folders) {
        const QString base = QDir::isAbsolutePath(folder) ? folder : m_directory + folder;
        const auto &sound = read(base + name);
        if (sound) {
            return sound;
        }
    }
    return std::nullopt;
}

SoundCache::Stamp SoundCache::stampOf(const QString &path)
{
    Stamp stamp;
#ifdef Q_OS_UNIX
    struct stat status;
    if (::stat(QFile::encodeName(path).constData(), &status) == 0) {
        stamp.size = status.st_size;
        stamp.changedNs = qint64(status.st_mtim.tv_sec) * 1'000'000'000 + status.st_mtim.tv_nsec;
        stamp.inode = status.st_ino;
        stamp.device = status.st_dev;
    }
#else
    const QFileInfo info(path);
    if (info.exists()) {
        stamp.size = info.size();
        stamp.changedNs = info.lastModified().toMSecsSinceEpoch() * 1'000'000;
    }
#endif
    return stamp;
}

const std::optional<WavSound> &SoundCache::read(const QString &path)
{
    const Stamp stamp = stampOf(path);
    auto found = m_files.find(path);
    if (found == m_files.end()) {
        found = m_files.insert(path, Entry{});
    } else if (found->stamp == stamp && stamp.size >= 0) {
        return found->sound;
    }
    found->stamp = stamp;
    found->sound = stamp.size >= 0 ? loadWav(path) : std::nullopt;
    return found->sound;
}
