// SPDX-License-Identifier: GPL-3.0-or-later
#include "helplauncher.h"

#include <QDir>
#include <QLoggingCategory>
#include <QProcess>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcHelp, "limbora.help", QtWarningMsg)

HelpLauncher::HelpLauncher(QString program, QStringList arguments)
    : m_program(std::move(program))
    , m_arguments(std::move(arguments))
{
}

HelpLauncher HelpLauncher::forHelpFile(const QString &helpFile)
{
#if defined(Q_OS_WIN)
    return HelpLauncher(u"explorer.exe"_s, {QDir::toNativeSeparators(helpFile)});
#elif defined(Q_OS_MACOS)
    return HelpLauncher(u"open"_s, {helpFile});
#else
    return HelpLauncher(u"xdg-open"_s, {helpFile});
#endif
}

void HelpLauncher::launch() const
{
    // Whether it started changes nothing for the players; it is only traced.
    const bool started = QProcess::startDetached(m_program, m_arguments);
    qCDebug(lcHelp, "%s %s: %s", qUtf8Printable(m_program), qUtf8Printable(m_arguments.join(u' ')),
            started ? "started" : "could not start");
}
