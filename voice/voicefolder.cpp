// SPDX-License-Identifier: GPL-3.0-or-later
#include "voicefolder.h"

#include "ownedfolder.h"

#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace VoiceFolder {

namespace {

QString dataHome()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

QString below(const QString &language)
{
    return u"Limbora/voices/"_s + language;
}

} // namespace

QString path(const QString &language)
{
    return dataHome() + u'/' + below(language) + u'/';
}

bool store(const QString &language, const QString &name, const QByteArray &wav)
{
    OwnedFolder folder(dataHome(), below(language));
    return folder.write(name, wav, 0644);
}

bool remove(const QString &language, const QString &name)
{
    OwnedFolder folder(dataHome(), below(language), OwnedFolder::Missing::Leave);
    return folder.remove(name);
}

bool has(const QString &language, const QString &name)
{
    return QFileInfo(path(language) + name).isFile();
}

} // namespace VoiceFolder
