// SPDX-License-Identifier: GPL-3.0-or-later
#include "datadir.h"

#include <QCoreApplication>
#include <QDir>

QString dataDirectory()
{
    const QDir executableDir(QCoreApplication::applicationDirPath());
    return QDir::cleanPath(executableDir.filePath(QStringLiteral(LIMBORA_DATA_RELATIVE_DIR)))
        + QLatin1Char('/');
}
