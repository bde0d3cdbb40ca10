// SPDX-License-Identifier: GPL-3.0-or-later
#include "datadir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#if defined(Q_OS_LINUX)
#include <climits>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

#if defined(Q_OS_LINUX)
// An install path whose bytes aren't UTF-8 has no QString that names it. The data directory is
// then reached through a descriptor held open for the program's life, under a name that is plain.
QString throughDescriptor()
{
    char executable[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", executable, sizeof executable - 1);
    if (length <= 0) {
        return QString();
    }
    const QByteArray path(executable, length);
    if (QFile::encodeName(QFile::decodeName(path)) == path) {
        return QString(); // the usual case: Qt names it as it is
    }
    const QByteArray data = path.left(path.lastIndexOf('/') + 1) + LIMBORA_DATA_RELATIVE_DIR;
    const int descriptor = ::open(data.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) {
        return QString();
    }
    // Through our pid, not "self", so that the help viewer we start finds it too.
    return QStringLiteral("/proc/%1/fd/%2/").arg(::getpid()).arg(descriptor);
}
#endif

} // namespace

QString dataDirectory()
{
#if defined(Q_OS_LINUX)
    if (const QString reached = throughDescriptor(); !reached.isEmpty()) {
        return reached;
    }
#endif
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
