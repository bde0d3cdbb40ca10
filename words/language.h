// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;
class QLocale;

// Which language the program speaks, and where that language's files are. English is the
// designed language: it needs no translation, and its sounds and help page are the data
// directory's own.
namespace Language {

// The codes of the languages Limbora has, English first.
const QStringList &available();

// The designed language's code: it needs no translation, and its files are the data directory's.
QString english();

// The code of the language a name ("de", "de-DE", "de_DE.UTF-8") names, if Limbora has it;
// English for "C" and "POSIX"; empty for any other.
QString find(const QString &name);

// The language the program speaks now (the default locale's), English where it has none.
QString current();

// The first of the user's preferred languages (as QLocale::uiLanguages() lists them, or a
// code given on the command line) that Limbora has; English when there is none.
QString choose(const QStringList &preferred);

// The language for a locale: the first of its uiLanguages() that Limbora has. A "C" or "POSIX"
// locale means English even when LANGUAGE lists others, as it does for gettext programs.
QString forLocale(const QLocale &locale);

// Makes the language the default locale's, and installs the program's translation and Qt's own
// for it (none for English).
void install(QCoreApplication &app, const QString &code);

// The folder of the language's call sounds relative to the data directory ("de/"), or the
// data directory itself ("") when the language has none.
QString callSoundFolder(const QString &dataDirectory, const QString &code);

// The language's help page, or the English one when it has none.
QString helpPage(const QString &dataDirectory, const QString &code);

} // namespace Language
