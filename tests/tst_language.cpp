// SPDX-License-Identifier: GPL-3.0-or-later
#include "aboutbox.h"
#include "configuredialog.h"
#include "designfonts.h"
#include "gamedoubles.h"
#include "gamesession.h"
#include "gamewords.h"
#include "helplauncher.h"
#include "hiddenwindow.h"
#include "language.h"
#include "mainwindow.h"
#include "soundplayer.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QKeySequence>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// A translation installed for as long as it lives; none for English.
struct Translation
{
    explicit Translation(const QString &language)
    {
        const QString file = language.startsWith(u'/') ? language : u":/i18n/limbora_"_s + language;
        loaded = language == u"en"_s
            || (translator.load(file) && QCoreApplication::installTranslator(&translator));
    }
    ~Translation() { QCoreApplication::removeTranslator(&translator); }

    QTranslator translator;
    bool loaded = false;
};

struct Window
{
    FakeClock clock;
    ScriptedRandom random;
    SoundPlayer player{QDir::tempPath() + u"/limbora-no-sounds/"_s}; // every sound ends at once
    HelpLauncher help{u"/nonexistent/viewer"_s, {}};
    GameSession game{clock, random, player, QString(), MainWindow::DesktopColour};
    MainWindow window{game, help};
};

GameDisplay showing(GameDisplay::Kind kind, qint16 seconds = 0)
{
    GameDisplay display;
    display.kind = kind;
    display.call = Call{2, 4}; // right foot, yellow
    display.seconds = seconds;
    return display;
}

// Every text a window shows or tells a screen reader, each after the name of its widget.
QStringList texts(QWidget *window)
{
    QStringList found;
    const auto add = [&found](const QString &text, const QObject *where) {
        if (!text.isEmpty()) {
            found << where->objectName() + u": "_s + text;
        }
    };
    add(window->windowTitle(), window);
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (widget->isVisibleTo(window)) {
            add(widget->accessibleName(), widget);
            add(widget->accessibleDescription(), widget);
            if (auto *label = qobject_cast<QLabel *>(widget)) {
                add(label->text(), label);
            } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
                add(button->text(), button);
            }
        }
        if (auto *menu = qobject_cast<QMenu *>(widget)) {
            add(menu->title(), menu);
            for (const QAction *action : menu->actions()) {
                add(action->text(), action);
            }
        }
    }
    return found;
}

// Texts that don't fit where they are shown: a label's in its lines, a button's on its face.
QStringList overflowing(QWidget *window)
{
    QStringList clipped;
    for (QLabel *label : window->findChildren<QLabel *>()) {
        const QFontMetrics metrics(label->font());
        const QRect needed = metrics.boundingRect(label->rect(), Qt::TextWordWrap, label->text());
        const int lines = qRound(qreal(needed.height()) / metrics.lineSpacing());
        if (label->wordWrap() ? lines * metrics.lineSpacing() > label->height()
                              : metrics.horizontalAdvance(label->text()) > label->width()) {
            clipped << label->text();
        }
    }
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        const QString caption = QString(button->text()).remove(u'&');
        if (QFontMetrics(button->font()).horizontalAdvance(caption) + 8 > button->width()) {
            clipped << caption;
        }
    }
    return clipped;
}

} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { loadBundledFonts(); }

    void choice_data()
    {
        QTest::addColumn<QStringList>("preferred");
        QTest::addColumn<QString>("expected");
        QTest::newRow("German desktop") << QStringList{u"de-DE"_s, u"de"_s} << u"de"_s;
        QTest::newRow("locale name") << QStringList{u"nl_BE.UTF-8@euro"_s} << u"nl"_s;
        QTest::newRow("first one we have") << QStringList{u"pt-BR"_s, u"it"_s, u"fr"_s} << u"it"_s;
        QTest::newRow("English first") << QStringList{u"en-GB"_s, u"de-DE"_s} << u"en"_s;
        QTest::newRow("none we have") << QStringList{u"ja-JP"_s, u"pt"_s} << u"en"_s;
        QTest::newRow("C") << QStringList{u"C"_s, u"de"_s} << u"en"_s;
        QTest::newRow("POSIX") << QStringList{u"POSIX"_s} << u"en"_s;
        QTest::newRow("nothing") << QStringList() << u"en"_s;
    }

    void choice()
    {
        QFETCH(QStringList, preferred);
        QFETCH(QString, expected);
        QCOMPARE(Language::choose(preferred), expected);
        QCOMPARE(Language::forLocale(QLocale(u"es_MX"_s)), u"es"_s);
        QCOMPARE(Language::forLocale(QLocale::c()), u"en"_s);
    }

    // English needs no translation: its countdown keeps the designed "in 1 seconds...".
    void countdownAndCallInEachLanguage_data()
    {
        QTest::addColumn<QString>("language");
        // 1, 2 and 10 seconds, limb alone, call, what Start does with a countdown of three
        QTest::addColumn<QStringList>("expected");
        const auto row = [](const char *language, QStringList expected) {
            QTest::newRow(language) << QString::fromLatin1(language) << expected;
        };
        row("en",
            {u"in 1 seconds..."_s, u"in 2 seconds..."_s, u"in 10 seconds..."_s, u"RIGHT FOOT "_s,
             u"RIGHT FOOT YELLOW"_s, u"Start a game: calls begin after 3 seconds"_s});
        row("de",
            {u"in 1 Sekunde..."_s, u"in 2 Sekunden..."_s, u"in 10 Sekunden..."_s,
             u"RECHTER FUSS "_s, u"RECHTER FUSS GELB"_s,
             u"Ein Spiel starten: Die Ansagen beginnen nach 3 Sekunden"_s});
        row("fr",
            {u"dans 1 seconde..."_s, u"dans 2 secondes..."_s, u"dans 10 secondes..."_s,
             u"PIED DROIT "_s, u"PIED DROIT SUR LE JAUNE"_s,
             u"Lancer une partie\u00a0: les annonces commencent après 3 secondes"_s});
        row("es",
            {u"en 1 segundo..."_s, u"en 2 segundos..."_s, u"en 10 segundos..."_s, u"PIE DERECHO "_s,
             u"PIE DERECHO AL AMARILLO"_s,
             u"Empezar una partida: las jugadas empiezan a los 3 segundos"_s});
        row("it",
            {u"tra 1 secondo..."_s, u"tra 2 secondi..."_s, u"tra 10 secondi..."_s,
             u"PIEDE DESTRO "_s, u"PIEDE DESTRO SUL GIALLO"_s,
             u"Inizia una partita: le chiamate partono dopo 3 secondi"_s});
        row("nl",
            {u"over 1 seconde..."_s, u"over 2 seconden..."_s, u"over 10 seconden..."_s,
             u"RECHTERVOET "_s, u"RECHTERVOET GEEL"_s,
             u"Een spel starten: de oproepen beginnen na 3 seconden"_s});
    }

    void countdownAndCallInEachLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, expected);
        const Translation translation(language);
        QVERIFY(translation.loaded);
        QStringList shown;
        for (qint16 seconds : {1, 2, 10}) {
            shown << GameWords::display(showing(GameDisplay::Kind::Countdown, seconds));
        }
        shown << GameWords::display(showing(GameDisplay::Kind::Limb))
              << GameWords::display(showing(GameDisplay::Kind::Call));
        Window main;
        const auto *start = main.window.findChild<QWidget *>(u"cmdStart"_s);
        GameSettings settings = main.game.settings();
        settings.game.countdownSeconds = 3;
        main.game.apply(settings);
        shown << start->accessibleDescription();
        QCOMPARE(shown, expected);
    }

    // A translation joins limb and colour its own way; a call too long for one line breaks
    // where the limb ends, never inside the words that join the colour.
    void callJoinsAndBreaksAsTheLanguageSaysIt_data()
    {
        QTest::addColumn<QString>("call"); // the translation of "%1 %2"; empty for English
        QTest::addColumn<QString>("limbAlone"); // of "%1 "
        QTest::addColumn<QStringList>("expected"); // limb alone, the call, the call's lines
        QTest::newRow("English") << QString() << QString()
                                 << QStringList{u"RIGHT FOOT "_s, u"RIGHT FOOT YELLOW"_s,
                                                u"RIGHT FOOT"_s, u"YELLOW"_s};
        QTest::newRow("joined") << u"%1 SUR LE %2"_s << u"%1"_s
                                << QStringList{u"RIGHT FOOT"_s, u"RIGHT FOOT SUR LE YELLOW"_s,
                                               u"RIGHT FOOT"_s, u"SUR LE YELLOW"_s};
        QTest::newRow("colour first") << u"%2: %1"_s << u"%1 …"_s
                                      << QStringList{u"RIGHT FOOT …"_s, u"YELLOW: RIGHT FOOT"_s,
                                                     u"YELLOW:"_s, u"RIGHT FOOT"_s};
    }

    void callJoinsAndBreaksAsTheLanguageSaysIt()
    {
        QFETCH(QString, call);
        QFETCH(QString, limbAlone);
        QFETCH(QStringList, expected);
        class Joining : public QTranslator
        {
        public:
            QString call, limbAlone;
            bool isEmpty() const override { return false; }
            QString translate(const char *context, const char *source, const char *,
                              int) const override
            {
                if (qstrcmp(context, "Game") != 0) {
                    return QString();
                }
                return qstrcmp(source, "%1 %2") == 0 ? call
                    : qstrcmp(source, "%1 ") == 0    ? limbAlone
                                                     : QString();
            }
        } joining;
        joining.call = call;
        joining.limbAlone = limbAlone;
        QCoreApplication::installTranslator(&joining);
        const QString limb = GameWords::display(showing(GameDisplay::Kind::Limb));
        const QString shown = GameWords::display(showing(GameDisplay::Kind::Call));
        const QStringList lines = GameWords::callLines(shown);
        const QStringList limbLines = GameWords::callLines(limb);
        QCoreApplication::removeTranslator(&joining);
        QCOMPARE(QStringList({limb, shown}) + lines, expected);
        QCOMPARE(limbLines, QStringList{limb.trimmed()}); // the limb alone stays on one line
    }

    // Every call of every language breaks after its limb, with its colour on the second line.
    void everyCallBreaksAfterItsLimb_data() { everyTextFitsInEachLanguage_data(); }

    void everyCallBreaksAfterItsLimb()
    {
        QFETCH(QString, language);
        const Translation translation(language);
        for (qint16 l = DrawLower; l <= DrawUpper; ++l) {
            for (qint16 c = DrawLower; c <= DrawUpper; ++c) {
                const QString call = GameWords::call(GameWords::limb(l), GameWords::colour(c));
                const QStringList lines = GameWords::callLines(call);
                QCOMPARE(lines.size(), 2);
                QCOMPARE(lines.first(), GameWords::limb(l));
                QVERIFY2(lines.last().endsWith(GameWords::colour(c)), qPrintable(call));
            }
        }
    }

    // In full screen a joined call too wide for one line goes over two, the limb above, and
    // each line fits.
    void fullScreenCallBreaksAfterTheLimb()
    {
        const Translation french(u"fr"_s);
        Window main;
        main.window.setFullScreen(true);
        main.random.values = {0.3f, 0.9f}; // yellow, right foot
        main.game.sequencer()->start();
        main.clock.advanceBy(10000);
        QTRY_COMPARE(main.game.sequencer()->display().kind, GameDisplay::Kind::Call);
        auto *display = main.window.findChild<QLabel *>(u"lblDisplay"_s);
        QCOMPARE(display->text(), u"PIED DROIT\nSUR LE JAUNE"_s);
        const QFontMetrics metrics(display->font());
        for (const QString &line : display->text().split(u'\n')) {
            QVERIFY2(metrics.horizontalAdvance(line) <= display->contentsRect().width(),
                     qPrintable(line));
        }
        QVERIFY(2 * metrics.lineSpacing() <= display->height());
    }

    void everyTextFitsInEachLanguage_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &code : Language::available()) {
            QTest::newRow(qPrintable(code)) << code;
        }
    }

    void everyTextFitsInEachLanguage()
    {
        QFETCH(QString, language);
        const Translation translation(language);
        Window main;
        auto *status = main.window.findChild<QLabel *>(u"lblStatus"_s);
        QStringList clipped = overflowing(&main.window);
        for (GameStatus shown : {GameStatus::Starting, GameStatus::InProgress, GameStatus::Stopped,
                                 GameStatus::Paused}) {
            status->setText(GameWords::status(shown));
            clipped << overflowing(&main.window);
        }
        status->setText(GameWords::display(showing(GameDisplay::Kind::Countdown, 10)));
        clipped << overflowing(&main.window);
        auto *display = main.window.findChild<QLabel *>(u"lblDisplay"_s);
        for (qint16 l = DrawLower; l <= DrawUpper; ++l) { // every call, joined as the language says
            for (qint16 c = DrawLower; c <= DrawUpper; ++c) {
                display->setText(GameWords::call(GameWords::limb(l), GameWords::colour(c)));
                clipped << overflowing(&main.window);
            }
        }
        AboutBox about([](const QString &) {});
        HiddenWindow hidden;
        clipped << overflowing(&about) << overflowing(&hidden);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u'\n')));

        // No menu's access key is also a button's, or Alt+key would only move the focus.
        QStringList keys;
        for (const QMenu *menu : main.window.findChildren<QMenu *>()) {
            if (const QKeySequence key = QKeySequence::mnemonic(menu->title()); !key.isEmpty()) {
                keys << key.toString();
            }
        }
        for (const QAbstractButton *button : main.window.findChildren<QAbstractButton *>()) {
            QVERIFY2(!keys.contains(button->shortcut().toString()), qPrintable(button->text()));
        }

        // In the Configure dialog, each access key is its own too.
        ConfigureDialog configure(GameSettings{});
        QStringList dialogKeys;
        const auto keyOnce = [&dialogKeys](const QString &text) {
            const QString key = QKeySequence::mnemonic(text).toString();
            const bool fresh = key.isEmpty() || !dialogKeys.contains(key);
            dialogKeys << key;
            return fresh;
        };
        for (const QLabel *label : configure.findChildren<QLabel *>()) {
            if (label->buddy()) {
                QVERIFY2(keyOnce(label->text()), qPrintable(label->text()));
            }
        }
        for (const QAbstractButton *button : configure.findChildren<QAbstractButton *>()) {
            QVERIFY2(keyOnce(button->text()), qPrintable(button->text()));
        }
        // The whole dialog, OK included, fits a 1366x768 laptop's screen under its title bar
        // and above a panel.
        const QSize dialog = configure.sizeHint();
        QVERIFY2(dialog.height() <= 768 - 100 && dialog.width() <= 1366,
                 qPrintable(u"%1x%2"_s.arg(dialog.width()).arg(dialog.height())));
    }

    // Alt+key reaches one place only: no two entries of a menu (the menu bar's, the full
    // screen's right-click menu, any other), no two menus, and no two fields of a dialog share
    // an access key, in any language (Qt's own buttons included).
    void accessKeysAreUniqueInEachLanguage_data() { everyTextFitsInEachLanguage_data(); }

    void accessKeysAreUniqueInEachLanguage()
    {
        QFETCH(QString, language);
        const Translation translation(language);
        QTranslator qt;
        if (qt.load(u"qtbase_"_s + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(&qt);
        }
        Window main;
        main.window.setFullScreen(true); // where the right-click menu is offered
        const auto entries = [](const QWidget *menu) {
            QStringList texts;
            for (const QAction *entry : menu->actions()) {
                texts << entry->text();
            }
            return texts;
        };
        QList<QStringList> groups{entries(main.window.menuBar())};
        for (const QWidget *widget : main.window.findChildren<QWidget *>()) {
            const bool menu = qobject_cast<const QMenu *>(widget) != nullptr
                || widget->contextMenuPolicy() == Qt::ActionsContextMenu;
            if (menu && !widget->actions().isEmpty()) {
                groups << entries(widget);
            }
        }
        const qsizetype menus = groups.size();
        ConfigureDialog dialog{GameSettings()};
        groups << QStringList();
        for (const QLabel *label : dialog.findChildren<QLabel *>()) {
            groups.last() << label->text();
        }
        for (const QAbstractButton *button : dialog.findChildren<QAbstractButton *>()) {
            groups.last() << button->text();
        }
        QStringList shared;
        for (const QStringList &texts : std::as_const(groups)) {
            QStringList keys;
            for (const QString &text : texts) {
                const QString key = QKeySequence::mnemonic(text).toString();
                if (!key.isEmpty() && keys.contains(key)) {
                    shared << text;
                }
                keys << key;
            }
        }
        QCoreApplication::removeTranslator(&qt);
        QVERIFY2(shared.isEmpty(), qPrintable(shared.join(u", "_s)));
        // The menu bar, its four menus, the right-click menu (and the menu bar's overflow).
        QVERIFY2(menus >= 6, qPrintable(QString::number(menus)));
        QCOMPARE(main.window.centralWidget()->contextMenuPolicy(), Qt::ActionsContextMenu);
    }

    void boardNamesItsCornersInTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("picture");
        QTest::newRow("it") << u"it"_s << u":/pictures/board-it.png"_s;
        QTest::newRow("en") << u"en"_s << u":/pictures/board.png"_s;
        QTest::newRow("sv, which we don't have") << u"sv"_s << u":/pictures/board.png"_s;
    }

    void boardNamesItsCornersInTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, picture);
        const QLocale before;
        QLocale::setDefault(QLocale(language));
        Window main;
        QLocale::setDefault(before);
        QImage shown;
        for (const QLabel *label : main.window.findChildren<QLabel *>()) {
            if (!label->pixmap().isNull()) {
                shown = label->pixmap().toImage();
            }
        }
        QCOMPARE(shown, QImage(picture).convertToFormat(shown.format()));
    }

    // A pseudo-translation puts every text in brackets: any text without them bypassed the
    // translation system. The About box's title is the program's name drawn as its logo.
    void noTextBypassesTranslation()
    {
        const Translation pseudo(QStringLiteral(LIMBORA_PSEUDO_TRANSLATION));
        QVERIFY(pseudo.loaded);
        Window main;
        main.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main.window));
        QStringList seen = texts(&main.window);
        main.game.sequencer()->start();
        seen << texts(&main.window);
        main.clock.advanceBy(10000);
        seen << texts(&main.window);
        QTRY_COMPARE(main.game.sequencer()->display().kind, GameDisplay::Kind::Call);
        seen << texts(&main.window);
        main.game.sequencer()->stop();
        seen << texts(&main.window);

        main.window.findChild<QAction *>(u"mnuHelpAbout"_s)->trigger();
        auto *about = QApplication::activeModalWidget();
        QVERIFY(about);
        QTest::mouseClick(about->findChild<QLabel *>(u"lblLetterR"_s), Qt::LeftButton);
        auto *hidden = QApplication::activeModalWidget();
        QVERIFY(hidden && hidden != about);
        about->findChild<QWidget *>(u"Label1"_s)->hide();
        about->findChild<QWidget *>(u"lblLetterR"_s)->hide();
        seen << texts(about) << texts(hidden);
        hidden->close();
        about->close();

        QStringList bare;
        for (const QString &text : std::as_const(seen)) {
            const QString shown = text.section(u": "_s, 1);
            if (!shown.startsWith(u'[') || !shown.endsWith(u']')) {
                bare << text;
            }
        }
        QVERIFY2(bare.isEmpty(), qPrintable(bare.join(u'\n')));
        QVERIFY(seen.contains(u"lblDisplay: [[LEFT HAND] [GREEN]]"_s));
        QVERIFY(seen.contains(u"lblDisplay: [in 10 seconds...]"_s));
        QVERIFY(seen.contains(u"Label3: [Thank you for playing, and for every tangle you laughed "
                              "your way out of!]"_s));
    }

    // The real program, without a display: --help and its complaint speak the language that
    // the environment or --language chose.
    void programSpeaksTheChosenLanguage_data()
    {
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("expected");
        const QStringList help{u"--help"_s};
        const QString english = TestLanguage::english();
        const QString german = u"Ruft für ein Partyspiel auf der Matte zufällig"_s;
        QTest::newRow("LANG=C") << QStringList{u"LANG=C"_s} << help << english;
        QTest::newRow("C ignores LANGUAGE")
            << QStringList{u"LANG=C"_s, u"LANGUAGE=de"_s} << help << english;
        QTest::newRow("LANG") << QStringList{u"LANG=de_DE.UTF-8"_s} << help << german;
        QTest::newRow("LANGUAGE first") << QStringList{u"LANG=de_DE.UTF-8"_s, u"LANGUAGE=fr:de"_s}
                                        << help << u"Annonce au hasard une main ou un pied"_s;
        QTest::newRow("LC_ALL over LANG")
            << QStringList{u"LANG=de_DE.UTF-8"_s, u"LC_ALL=it_IT.UTF-8"_s} << help
            << u"Chiama a caso una mano o un piede"_s;
        QTest::newRow("LC_MESSAGES") << QStringList{u"LANG=C"_s, u"LC_MESSAGES=nl_NL.UTF-8"_s}
                                     << help << u"Roept willekeurig een hand of voet"_s;
        QTest::newRow("one we don't have") << QStringList{u"LANG=ja_JP.UTF-8"_s} << help << english;
        QTest::newRow("--language")
            << QStringList{u"LANG=de_DE.UTF-8"_s} << QStringList{u"--language"_s, u"es"_s} + help
            << u"Canta al azar una mano o un pie"_s;
        QTest::newRow("--language unknown")
            << QStringList{u"LANG=de_DE.UTF-8"_s} << QStringList{u"--language=zz"_s} + help
            << u"limbora: no language \"zz\"; speaking English"_s;
        QTest::newRow("no display")
            << QStringList{u"LANG=de_DE.UTF-8"_s} << QStringList()
            << u"limbora: kein Bildschirm, auf dem das Fenster erscheinen kann"_s;
    }

    void programSpeaksTheChosenLanguage()
    {
        QFETCH(QStringList, environment);
        QFETCH(QStringList, arguments);
        QFETCH(QString, expected);
        QTemporaryDir top;
        QProcessEnvironment env = programEnvironment(top);
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE",
                                 "LC_ALL", "LC_MESSAGES", "LANG"}) {
            env.remove(QString::fromLatin1(name));
        }
        for (const QString &setting : environment) {
            env.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
        }
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(LIMBORA_EXECUTABLE), arguments);
        QVERIFY(program.waitForFinished(10000));
        const QString output
            = QString::fromUtf8(program.readAllStandardOutput() + program.readAllStandardError());
        QVERIFY2(output.contains(expected), qPrintable(output));
        // Saying it speaks English is not enough: --help must then be in English too.
        if (expected == english() || expected.endsWith(u"speaking English"_s)) {
            QVERIFY2(output.contains(english()), qPrintable(output));
            QVERIFY2(!output.contains(u"Optionen"_s), qPrintable(output)); // nor Qt's own
        }
    }

    // The real program, copied beside a data directory with German files but a French folder
    // that is only a file: it takes the German sounds and help page, and English for French.
    void programPicksTheLanguagesFiles_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("folder");
        QTest::newRow("de") << u"de"_s << u"de"_s << u"de/"_s;
        QTest::newRow("fr") << u"fr"_s << u"fr"_s << QString();
        // Not the desktop's German: what it said it would speak.
        QTest::newRow("unknown") << u"zz"_s << u"en"_s << QString();
    }

    void programPicksTheLanguagesFiles()
    {
        QFETCH(QString, language);
        QFETCH(QString, code);
        QFETCH(QString, folder);
        QTemporaryDir top;
        const QString bin = top.filePath(u"bin"_s);
        const QString data
            = QDir::cleanPath(bin + u'/' + QStringLiteral(LIMBORA_DATA_RELATIVE_DIR)) + u'/';
        QVERIFY(QDir().mkpath(bin) && QDir().mkpath(data + u"de"_s));
        QVERIFY(QFile::copy(QStringLiteral(LIMBORA_EXECUTABLE), bin + u"/limbora"_s));
        QVERIFY(QFile(data + u"de/limbora.html"_s).open(QIODevice::WriteOnly));
        QVERIFY(QFile(data + u"fr"_s).open(QIODevice::WriteOnly));

        QProcessEnvironment env = programEnvironment(top);
        env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        env.insert(u"QT_LOGGING_RULES"_s, u"limbora.startup.debug=true"_s);
        env.insert(u"XDG_CONFIG_HOME"_s, top.filePath(u"config"_s));
        env.insert(u"LANG"_s, u"de_DE.UTF-8"_s);
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(bin + u"/limbora"_s, {u"--language"_s, language});
        QByteArray trace;
        QTRY_VERIFY_WITH_TIMEOUT((trace += program.readAllStandardError()).contains("help page"),
                                 10000);
        program.terminate();
        QVERIFY(program.waitForFinished(10000));
        const QString expected = u"language %1, call sounds in %2, help page %3"_s.arg(
            code, data + folder, data + folder + u"limbora.html"_s);
        QVERIFY2(QString::fromUtf8(trace).contains(expected), trace.constData());
    }

private:
    // The real program with a runtime folder and no session bus of the user's: a Limbora the
    // user has open would otherwise be the one asked, and just come forward.
    static QProcessEnvironment programEnvironment(const QTemporaryDir &top)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        const QString runtime = top.filePath(u"runtime"_s);
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        env.insert(u"XDG_RUNTIME_DIR"_s, runtime);
        env.remove(u"DBUS_SESSION_BUS_ADDRESS"_s);
        return env;
    }

    static QString english()
    {
        return u"Calls a random hand or foot and colour for a floor party game."_s;
    }
};

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
