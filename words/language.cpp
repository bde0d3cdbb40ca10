// SPDX-License-Identifier: GPL-3.0-or-later
#include "language.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace Language {

const QStringList &available()
{
    static const QStringList codes{u"en"_s, u"de"_s, u"fr"_s, u"es"_s, u"it"_s, u"nl"_s};
    return codes;
}

QString english()
{
    return available().first();
}

QString current()
{
    const QString code = find(QLocale().name());
    return code.isEmpty() ? english() : code;
}

QString find(const QString &name)
{
    // "de-DE", "de_DE.UTF-8@euro" and "de" all name German. "C" and "POSIX" name no language,
    // which means the designed English.
    const QString code = name.section(u'-', 0, 0)
                             .section(u'_', 0, 0)
                             .section(u'.', 0, 0)
                             .section(u'@', 0, 0)
                             .toLower();
    if (code == "c"_L1 || code == "posix"_L1) {
        return english();
    }
    return available().contains(code) ? code : QString();
}

QString choose(const QStringList &preferred)
{
    for (const QString &name : preferred) {
        if (const QString code = find(name); !code.isEmpty()) {
            return code;
        }
    }
    return english();
}

QString forLocale(const QLocale &locale)
{
    if (locale.language() == QLocale::C) {
        return english();
    }
    return choose(locale.uiLanguages());
}

void install(QCoreApplication &app, const QString &code)
{
    // The default locale says the language to what is drawn in it, such as the board.
    QLocale::setDefault(QLocale(code));
    if (code == english()) {
        return;
    }
    const auto load = [&app](const QString &name, const QString &directory) {
        auto *translator = new QTranslator(&app);
        if (translator->load(name, directory)) {
            QCoreApplication::installTranslator(translator);
        } else {
            delete translator;
        }
    };
    // Qt's own covers the standard buttons and the command line's --help and --version.
    load(u"qtbase_"_s + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    load(u"limbora_"_s + code, u":/i18n"_s);
}

QString callSoundFolder(const QString &dataDirectory, const QString &code)
{
    const QString folder = code + u'/';
    if (code != english() && QFileInfo(dataDirectory + folder).isDir()) {
        return folder;
    }
    return QString();
}

QString helpPage(const QString &dataDirectory, const QString &code)
{
    const QString name = u"limbora.html"_s;
    const QString translated = dataDirectory + code + u'/' + name;
    if (code != english() && QFileInfo(translated).isFile()) {
        return translated;
    }
    return dataDirectory + name;
}

} // namespace Language
