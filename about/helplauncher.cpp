// SPDX-License-Identifier: GPL-3.0-or-later
#include "helplauncher.h"

#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QProcess>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcHelp, "limbora.help", QtWarningMsg)

HelpLauncher::HelpLauncher(QString program, QStringList arguments, QString page)
    : m_program(std::move(program))
    , m_arguments(std::move(arguments))
    , m_page(std::move(page))
{
}

HelpLauncher HelpLauncher::forHelpFile(const QString &helpFile)
{
#if defined(Q_OS_WIN)
    return HelpLauncher(u"explorer.exe"_s, {QDir::toNativeSeparators(helpFile)}, helpFile);
#elif defined(Q_OS_MACOS)
    return HelpLauncher(u"open"_s, {helpFile}, helpFile);
#else
    return HelpLauncher(u"xdg-open"_s, {helpFile}, helpFile);
#endif
}

bool HelpLauncher::launch() const
{
    if (!m_page.isEmpty() && !QFileInfo(m_page).isFile()) {
        qCDebug(lcHelp, "%s: not a regular file", qUtf8Printable(m_page));
        return false;
    }
    // Whether it started changes nothing for the players; it is only traced.
    const bool started = QProcess::startDetached(m_program, m_arguments);
    qCDebug(lcHelp, "%s %s: %s", qUtf8Printable(m_program), qUtf8Printable(m_arguments.join(u' ')),
            started ? "started" : "could not start");
    return started;
}
