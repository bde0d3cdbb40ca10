// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowsfiles.h"

#include <QDir>
#include <QFile>

#include <io.h>
#include <shlobj.h>
#include <windows.h>

QString roamingAppData()
{
    // As Windows sets it for every process (and a test for itself).
    if (const QString set = qEnvironmentVariable("APPDATA"); !set.isEmpty()) {
        return QDir::fromNativeSeparators(set);
    }
    wchar_t *folder = nullptr;
    QString path;
    if (SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_DONT_VERIFY, nullptr, &folder)
        == S_OK) {
        path = QDir::fromNativeSeparators(QString::fromWCharArray(folder));
    }
    CoTaskMemFree(folder);
    return path;
}

bool isOnDisk(QFile &file)
{
    return GetFileType(reinterpret_cast<HANDLE>(_get_osfhandle(file.handle()))) == FILE_TYPE_DISK;
}

bool flushedToDisk(QFile &file)
{
    return _commit(file.handle()) == 0;
}

bool replaceInOneStep(const QString &from, const QString &to)
{
    return MoveFileExW(QDir::toNativeSeparators(from).toStdWString().c_str(),
                       QDir::toNativeSeparators(to).toStdWString().c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}
