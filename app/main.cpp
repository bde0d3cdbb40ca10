// SPDX-License-Identifier: GPL-3.0-or-later
#include "calltables.h"
#include "datadir.h"
#include "defaultsound.h"
#include "designfonts.h"
#include "helplauncher.h"
#include "mainwindow.h"
#include "randomsource.h"
#include "soundplayer.h"
#include "steadyclock.h"
#include "terminationwatcher.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

// Qt aborts with a toolkit message when there is no display; say it plainly instead.
bool haveDisplay()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qEnvironmentVariableIsSet("DISPLAY")
        || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

} // namespace

int main(int argc, char *argv[])
{
    if (!haveDisplay()) {
        std::fputs("limbora: no display to show the window on (DISPLAY is not set)\n", stderr);
        return EXIT_FAILURE;
    }

    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Limbora"));
    QApplication::setApplicationName(QStringLiteral("Limbora"));
    QApplication::setApplicationVersion(QStringLiteral(LIMBORA_VERSION));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/limbora-32.png")));
    loadBundledFonts();

    SteadyClock clock;
    SystemRandom random;
    SoundPlayer sounds(dataDirectory());
    sounds.setDefaultSound([] {
        if (!playDefaultSound()) {
            QApplication::beep();
        }
    });

    const HelpLauncher help = HelpLauncher::forHelpFile(dataDirectory() + u"limbora.html"_s);

    MainWindow frmMain(clock, random, sounds, help);
    TerminationWatcher termination;
    QObject::connect(&termination, &TerminationWatcher::terminationRequested, &frmMain,
                     &QWidget::close);
    frmMain.show();
    return QApplication::exec();
}
