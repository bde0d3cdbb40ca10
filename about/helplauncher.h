// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// Opens the help page in the desktop's viewer, as a program of its own that runs beside ours.
// The command is a fixed program and argument list, never a shell line. Nothing waits for it, and
// a viewer that can't be started changes nothing here.
class HelpLauncher
{
public:
    // With a page, the viewer is started only while the page is a regular file (or a link to
    // one): a FIFO or a device would hold the viewer up.
    HelpLauncher(QString program, QStringList arguments, QString page = QString());

    // The desktop's default opener for this platform, on the given help file.
    static HelpLauncher forHelpFile(const QString &helpFile);

    QString program() const { return m_program; }
    QStringList arguments() const { return m_arguments; }

    // Whether the viewer was started; the players are never told.
    bool launch() const;

private:
    QString m_program;
    QStringList m_arguments;
    QString m_page;
};
