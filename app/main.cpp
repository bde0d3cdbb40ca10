// SPDX-License-Identifier: GPL-3.0-or-later
#include "application.h"
#include "datadir.h"
#include "designfonts.h"
#include "helplauncher.h"
#include "language.h"
#include "limboraversion.h"
#include "randomsource.h"
#include "sessionbus.h"
#include "singleinstance.h"
#include "soundplayer.h"
#include "steadyclock.h"
#include "terminationwatcher.h"
#include "x11screensaver.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QLocale>
#include <QLoggingCategory>
#include <QStandardPaths>
#include <QTranslator>
#include <QtPlugin>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcStartup, "limbora.startup", QtWarningMsg)

#ifdef LIMBORA_TITLE_BAR
Q_IMPORT_PLUGIN(TitleBarDecorationPlugin)
#endif

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
// desktop's (LANGUAGE, LC_ALL, LC_MESSAGES, LANG). It is known before any application object, so
// that even Qt's failing to reach the display can be told in it. Errors on the line wait for the
// full parse.
QString chooseLanguage(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    QCommandLineParser parser;
    const QCommandLineOption language = languageOption();
    parser.addOption(language);
    parser.parse(arguments);
    if (!parser.isSet(language)) {
        return Language::forLocale(QLocale::system());
    }
    const QString asked = parser.value(language);
    const QString code = Language::find(asked);
    if (!code.isEmpty()) {
        return code;
    }
    const QString message
        = QCoreApplication::translate("main", "no language \"%1\"; speaking English");
    std::fputs(qPrintable(u"limbora: "_s + message.arg(asked) + u'\n'), stderr);
    return Language::english();
}

// Translated ahead: Qt may fail to reach the display before any translation can be installed.
QByteArray noDisplayMessage(const QString &language)
{
    //: Printed when there is no display, or the one named doesn't answer; DISPLAY is the name of
    //: an environment variable, not to be translated.
    const char *source = QT_TRANSLATE_NOOP(
        "main",
        "no display to show the window on (DISPLAY is not set, or names no display that "
        "answers)");
    QTranslator translator;
    QString text;
    if (translator.load(u"limbora_"_s + language, u":/i18n"_s)) {
        text = translator.translate("main", source);
    }
    return (u"limbora: "_s + (text.isEmpty() ? QString::fromUtf8(source) : text) + u'\n')
        .toLocal8Bit();
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

QByteArray NoDisplay;

QtMessageHandler previousHandler = nullptr;
struct HeldMessage
{
    QtMsgType type;
    QString text;
};
QList<HeldMessage> heldMessages;

// Held until the application is up: only then is it known whether they explain anything.
void whileConnecting(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg) {
        std::fputs(NoDisplay.constData(), stderr);
        std::_Exit(EXIT_FAILURE);
    }
    heldMessages.append({type, message});
}

QIcon applicationIcon()
{
    QIcon icon;
    for (int size : {32, 48, 64, 128, 256}) {
        icon.addFile(u":/pictures/limbora-%1.png"_s.arg(size), QSize(size, size));
    }
    return icon;
}

void setApplicationNames()
{
    QCoreApplication::setOrganizationName(u"Limbora"_s);
    QCoreApplication::setApplicationName(u"Limbora"_s);
    QCoreApplication::setApplicationVersion(QLatin1StringView(LIMBORA_VERSION));
}

// Without a display, --help and --version still answer; anything else is told plainly.
int explainNoDisplay(int argc, char *argv[], const QString &language)
{
    QCoreApplication app(argc, argv);
    Language::install(app, language);
    parseCommandLine(app);
    std::fputs(NoDisplay.constData(), stderr);
    return EXIT_FAILURE;
}

// What the process needs before anything may block: the desktop's request to end is caught from
// here on (and ends the program by its normal close path once the window is up), and a session
// bus that never answers is set aside before Qt waits on it.
void prepareProcess()
{
#ifdef Q_OS_UNIX
    // A peer that went away (an audio server, whoever reads our output) is an error where it is
    // written to, never the end of the program; Qt's own sockets do the same, and the programs it
    // starts get the default back.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    const int termination = TerminationWatcher::catchSignals();
    // A bus kept here may still answer Qt's own start-up calls this slowly: within a second
    // for two answers, the window still comes within 3 s.
    setAsideSilentSessionBus(std::chrono::milliseconds(1000), termination);
}

// Where Qt draws the window's frame on Wayland, our title bar: Qt's own offers Maximize on a window
// of fixed size. A choice of the user's own stands.
void chooseTitleBar()
{
#ifdef LIMBORA_TITLE_BAR
    if (qEnvironmentVariableIsEmpty("QT_WAYLAND_DECORATION")) {
        qputenv("QT_WAYLAND_DECORATION", "limbora");
    }
#endif
}

// A display that can't be reached makes Qt abort with a toolkit message: said plainly instead,
// as for no display at all.
void holdMessagesWhileConnecting()
{
    previousHandler = qInstallMessageHandler(whileConnecting);
}

void releaseHeldMessages()
{
    qInstallMessageHandler(previousHandler);
    for (const HeldMessage &held : std::as_const(heldMessages)) {
        previousHandler(held.type, QMessageLogContext(), held.text);
    }
    heldMessages.clear();
}

void setApplicationLooks()
{
    QGuiApplication::setDesktopFileName(u"org.limbora.Limbora"_s);
    QApplication::setWindowIcon(applicationIcon());
    loadBundledFonts();
}

// The game with its parts, until the window closes.
int runCaller(const QString &language, const SingleInstance &instance)
{
    const QString data = dataDirectory();
    const QString callSoundFolder = Language::callSoundFolder(data, language);
    qCDebug(lcStartup, "data directory %s", qUtf8Printable(data));
    const QString helpPage = Language::helpPage(data, language);
    qCDebug(lcStartup, "language %s, call sounds in %s, help page %s", qUtf8Printable(language),
            qUtf8Printable(data + callSoundFolder), qUtf8Printable(helpPage));
    SteadyClock clock;
    SystemRandom random;
    SoundPlayer sounds(data);
    sounds.setDefaultSound([] { QApplication::beep(); }); // where even the desktop's failed
    const HelpLauncher help = HelpLauncher::forHelpFile(helpPage);

    Application limbora({clock, random, sounds, help, callSoundFolder, suspendX11ScreenSaver});
    QObject::connect(&instance, &SingleInstance::raiseRequested, &limbora, &Application::raise);
    limbora.show();
    const int code = QApplication::exec();
    if (!sounds.shutDown() || isBusStillConnecting()) {
        // The sound thread is stuck in a stalled audio server, or a bus hasn't answered:
        // tidying up would wait on it. The bus lets go of the screen by itself.
        std::fflush(nullptr);
        std::_Exit(code);
    }
    return code;
}

} // namespace

int main(int argc, char *argv[])
{
    setApplicationNames();
    const QString language = chooseLanguage(argc, argv);
    NoDisplay = noDisplayMessage(language);
    if (!haveDisplay()) {
        return explainNoDisplay(argc, argv, language);
    }
    prepareProcess();
    chooseTitleBar();

    holdMessagesWhileConnecting();
    QApplication app(argc, argv);
    releaseHeldMessages();
    Language::install(app, language);
    parseCommandLine(app);
    // One caller at a time: a second start brings the first forward and leaves it the settings.
#ifdef Q_OS_WIN
    // Windows has no runtime folder (Qt answers the home folder): the program's local one.
    SingleInstance instance(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation));
#else
    SingleInstance instance(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation));
#endif
    if (!instance.claim()) {
        return EXIT_SUCCESS;
    }
    setApplicationLooks();
    return runCaller(language, instance);
}
