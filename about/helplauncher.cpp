// SPDX-License-Identifier: GPL-3.0-or-later
#include "helplauncher.h"

#include <QDir>
#include <QProcess>

using namespace Qt::StringLiterals;

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
    // Whether it started is deliberately ignored: there is nothing useful to tell the players.
    QProcess::startDetached(m_program, m_arguments);
}
