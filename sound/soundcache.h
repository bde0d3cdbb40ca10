// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wavinfo.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

// The sound files as last read, each remembered with what its file looked like then (size, time
// of change, inode): a file is read again only once it has changed, so a broken one costs its
// reading once, not at every call, and a repaired one plays from the next call on.
class SoundCache
{
public:
    explicit SoundCache(const QString &directory);

    // The name in the first folder that holds a playable file of it. A folder is relative to the
    // directory ("de/", "" for the directory itself) unless it is absolute.
    std::optional<WavSound> find(const QString &name, const QStringList &folders);

private:
    struct Stamp
    {
        qint64 size = -1;
        qint64 changedNs = 0;
        quint64 inode = 0;
        quint64 device = 0;
        bool operator==(const Stamp &) const = default;
    };
    struct Entry
    {
        Stamp stamp;
        std::optional<WavSound> sound; // nothing: found unplayable
    };

    static Stamp stampOf(const QString &path);
    const std::optional<WavSound> &read(const QString &path);

    QString m_directory;
    QHash<QString, Entry> m_files;
};
