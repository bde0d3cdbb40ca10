// SPDX-License-Identifier: GPL-3.0-or-later
#include "calltables.h"
#include "datadir.h"
#include "defaultsound.h"
#include "designfonts.h"
#include "helplauncher.h"
#include "limboraversion.h"
#include "mainwindow.h"
#include "randomsource.h"
#include "soundplayer.h"
#include "steadyclock.h"
#include "terminationwatcher.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QLoggingCategory>

#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcStartup, "limbora.startup", QtWarningMsg)

namespace {

// Only --help and --version: the program keeps no settings beyond its window's placement.
void parseCommandLine(const QCoreApplication &app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Calls a random hand or foot and colour for a floor party game."_s);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(app);
}

// Qt aborts with a toolkit message when there is no display; say it plainly instead.
bool haveDisplay()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")
        || !qEnvironmentVariableIsEmpty("DISPLAY")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

QIcon applicationIcon()
{
    QIcon icon;
    for (int size : {32, 48, 64, 128, 256}) {
        icon.addFile(u":/pictures/limbora-%1.png"_s.arg(size), QSize(size, size));
    }
    return icon;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setOrganizationName(u"Limbora"_s);
    QCoreApplication::setApplicationName(u"Limbora"_s);
    QCoreApplication::setApplicationVersion(QLatin1StringView(LIMBORA_VERSION));
    if (!haveDisplay()) {
        const QCoreApplication app(argc, argv);
        parseCommandLine(app); // --help and --version still answer
        std::fputs("limbora: no display to show the window on (DISPLAY is not set)\n", stderr);
        return EXIT_FAILURE;
    }

    QApplication app(argc, argv);
    parseCommandLine(app);
    QGuiApplication::setDesktopFileName(u"org.limbora.Limbora"_s);
    QApplication::setWindowIcon(applicationIcon());
    loadBundledFonts();

    const QString data = dataDirectory();
    qCDebug(lcStartup, "data directory %s", qUtf8Printable(data));
    SteadyClock clock;
    SystemRandom random;
    SoundPlayer sounds(data);
    sounds.setDefaultSound([] {
        if (!playDefaultSound()) {
            QApplication::beep();
        }
    });
    const HelpLauncher help = HelpLauncher::forHelpFile(data + u"limbora.html"_s);

    MainWindow frmMain(clock, random, sounds, help);
    TerminationWatcher termination;
    QObject::connect(&termination, &TerminationWatcher::terminationRequested, &frmMain,
                     &QWidget::close);
    frmMain.show();
    return QApplication::exec();
}
