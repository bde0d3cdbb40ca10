// SPDX-License-Identifier: GPL-3.0-or-later
#include "datadir.h"

#include <QCoreApplication>
#include <QDir>

QString dataDirectory()
{
    const QDir executableDir(QCoreApplication::applicationDirPath());
#if defined(Q_OS_WIN)
    // Installed or built, the files sit beside limbora.exe.
    const QString path = executableDir.path();
#elif defined(Q_OS_MACOS)
    // Contents/MacOS/limbora -> Contents/Resources of the same bundle.
    const QString path = executableDir.filePath(QStringLiteral("../Resources"));
#else
    const QString path = executableDir.filePath(QStringLiteral(LIMBORA_DATA_RELATIVE_DIR));
#endif
    return QDir::cleanPath(path) + QLatin1Char('/');
}
