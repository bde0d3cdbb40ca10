// SPDX-License-Identifier: GPL-3.0-or-later
#include "calltables.h"
#include "datadir.h"
#include "defaultsound.h"
#include "designfonts.h"
#include "helplauncher.h"
#include "language.h"
#include "mainwindow.h"
#include "randomsource.h"
#include "soundplayer.h"
#include "steadyclock.h"
#include "terminationwatcher.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QLocale>
#include <QLoggingCategory>

#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcStartup, "limbora.startup", QtWarningMsg)

namespace {

QCommandLineOption languageOption()
{
    return QCommandLineOption(
        u"language"_s,
        //: Help for --language; %1 lists the language codes.
        QCoreApplication::translate("main", "Speak this language for this run: %1.")
            .arg(Language::available().join(u", "_s)),
        //: The value of --language, in --help.
        QCoreApplication::translate("main", "code"));
}

// The language comes first, so that --help already speaks it: from --language, or else the
// desktop's (LANGUAGE, LC_ALL, LC_MESSAGES, LANG). Errors on the line wait for the full parse.
QString setUpLanguage(QCoreApplication &app)
{
    QCommandLineParser parser;
    const QCommandLineOption language = languageOption();
    parser.addOption(language);
    parser.parse(QCoreApplication::arguments());
    QString code;
    if (parser.isSet(language)) {
        const QString asked = parser.value(language);
        code = Language::find(asked);
        if (code.isEmpty()) {
            code = Language::available().first();
            const QString message
                = QCoreApplication::translate("main", "no language \"%1\"; speaking English");
            std::fputs(qPrintable(u"limbora: "_s + message.arg(asked) + u'\n'), stderr);
        }
    } else {
        code = Language::forLocale(QLocale::system());
    }
    Language::install(app, code);
    return code;
}

// --help, --version and --language: the program keeps no other settings beyond its window's
// placement.
void parseCommandLine(const QCoreApplication &app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "main", "Calls a random hand or foot and colour for a floor party game."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(languageOption());
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
    QCoreApplication::setApplicationVersion(QStringLiteral(LIMBORA_VERSION));
    if (!haveDisplay()) {
        QCoreApplication app(argc, argv);
        setUpLanguage(app);
        parseCommandLine(app); // --help and --version still answer
        const QString message = QCoreApplication::translate(
            "main", "no display to show the window on (DISPLAY is not set)");
        std::fputs(qPrintable(u"limbora: "_s + message + u'\n'), stderr);
        return EXIT_FAILURE;
    }

    QApplication app(argc, argv);
    const QString language = setUpLanguage(app);
    parseCommandLine(app);
    QGuiApplication::setDesktopFileName(u"org.limbora.Limbora"_s);
    QApplication::setWindowIcon(applicationIcon());
    loadBundledFonts();

    const QString data = dataDirectory();
    const QString callSoundFolder = Language::callSoundFolder(data, language);
    qCDebug(lcStartup, "data directory %s", qUtf8Printable(data));
    const QString helpPage = Language::helpPage(data, language);
    qCDebug(lcStartup, "language %s, call sounds in %s, help page %s", qUtf8Printable(language),
            qUtf8Printable(data + callSoundFolder), qUtf8Printable(helpPage));
    SteadyClock clock;
    SystemRandom random;
    SoundPlayer sounds(data);
    sounds.setDefaultSound([] {
        if (!playDefaultSound()) {
            QApplication::beep();
        }
    });
    const HelpLauncher help = HelpLauncher::forHelpFile(helpPage);

    MainWindow frmMain(clock, random, sounds, help, callSoundFolder);
    TerminationWatcher termination;
    QObject::connect(&termination, &TerminationWatcher::terminationRequested, &frmMain,
                     &QWidget::close);
    if (frmMain.startsFullScreen()) {
        frmMain.setFullScreen(true);
    } else {
        frmMain.show();
    }
    return QApplication::exec();
}
