// SPDX-License-Identifier: GPL-3.0-or-later
#include "voicefolder.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace VoiceFolder {

QString path(const QString &language)
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + u"/Limbora/voices/"_s + language + u'/';
}

bool store(const QString &language, const QString &name, const QByteArray &wav)
{
    const QString folder = path(language);
    const QFileInfo target(folder + name);
    if (target.exists() && !target.isFile()) {
        return false;
    }
    if (!QDir().mkpath(folder)) {
        return false;
    }
    QSaveFile file(folder + name);
    return file.open(QIODevice::WriteOnly) && file.write(wav) == wav.size() && file.commit();
}

bool remove(const QString &language, const QString &name)
{
    const QFileInfo target(path(language) + name);
    return !target.exists() || (target.isFile() && QFile::remove(target.filePath()));
}

bool has(const QString &language, const QString &name)
{
    return QFileInfo(path(language) + name).isFile();
}

} // namespace VoiceFolder
