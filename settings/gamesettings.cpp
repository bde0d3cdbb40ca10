// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamesettings.h"

#include "settingsfile.h"

#include <QSettings>

#include <functional>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

const QString Group = u"Game"_s;

int readWhole(const QSettings &settings, const QString &key, int fallback, int lowest, int highest)
{
    bool ok = false;
    const int value = settings.value(key).toString().trimmed().toInt(&ok);
    return ok && value >= lowest && value <= highest ? value : fallback;
}

// Written as one text, but a hand-written list without quotes reads back as a list.
QList<qint16> readNumbers(const QSettings &settings, const QString &key, const QStringList &names,
                          const QList<qint16> &fallback)
{
    const QVariant value = settings.value(key);
    const QStringList items = value.typeId() == QMetaType::QStringList
        ? value.toStringList()
        : value.toString().split(u',');
    QList<qint16> numbers;
    for (const QString &item : items) {
        const qsizetype index = names.indexOf(item.trimmed().toLower());
        if (index < 0) {
            return fallback; // one unknown name spoils the list
        }
        if (!numbers.contains(qint16(index + 1))) {
            numbers << qint16(index + 1);
        }
    }
    if (numbers.isEmpty()) {
        return fallback;
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

// Only the list's separator, the escape itself and '@' are escaped, so any other name reads as
// written. Without '@' no name can spell what makes the settings file unreadable ("@Variant(").
QString escapePlayer(QString name)
{
    return name.replace(u'%', u"%25"_s).replace(u',', u"%2C"_s).replace(u'@', u"%40"_s);
}

QString unescapePlayer(const QString &text)
{
    return QString::fromUtf8(QByteArray::fromPercentEncoding(text.toUtf8()));
}

QString writeNumbers(const QList<qint16> &numbers, const QStringList &names)
{
    QStringList items;
    for (qint16 number : numbers) {
        items << names.at(number - 1);
    }
    return items.join(u',');
}

// Each option is one row: its key, and how its value is read (falling back to the default it
// has) and written. A new option is a member of GameSettings and a row here.
struct Option
{
    std::function<void(const QSettings &, GameSettings &)> read;
    std::function<void(QSettings &, const GameSettings &)> write;
};

template<typename Field>
Option whole(const QString &key, Field field, int lowest, int highest)
{
    return {[=](const QSettings &file, GameSettings &values) {
                int &value = field(values);
                value = readWhole(file, key, value, lowest, highest);
            },
            [=](QSettings &file, const GameSettings &values) {
                file.setValue(key, QString::number(field(const_cast<GameSettings &>(values))));
            }};
}

// A choice of two, written as its words: true and false, or builtin and own.
template<typename Field>
Option choice(const QString &key, Field field, const QString &no = u"false"_s,
              const QString &yes = u"true"_s)
{
    return {[=](const QSettings &file, GameSettings &values) {
                const QString text = file.value(key).toString().trimmed().toLower();
                bool &value = field(values);
                value = text == yes || (text != no && value);
            },
            [=](QSettings &file, const GameSettings &values) {
                file.setValue(key, field(const_cast<GameSettings &>(values)) ? yes : no);
            }};
}

template<typename Field>
Option numbers(const QString &key, Field field, const QStringList &names)
{
    return {[=](const QSettings &file, GameSettings &values) {
                QList<qint16> &value = field(values);
                value = readNumbers(file, key, names, value);
            },
            [=](QSettings &file, const GameSettings &values) {
                file.setValue(key, writeNumbers(field(const_cast<GameSettings &>(values)), names));
            }};
}

Option players(const QString &key)
{
    return {[=](const QSettings &file, GameSettings &values) {
                const QVariant value = file.value(key);
                const QStringList items = value.typeId() == QMetaType::QStringList
                    ? value.toStringList()
                    : value.toString().split(u',');
                QStringList names;
                for (const QString &item : items) {
                    names << unescapePlayer(item);
                }
                values.players = tidyPlayers(names);
            },
            [=](QSettings &file, const GameSettings &values) {
                QStringList items;
                for (const QString &name : values.players) {
                    items << escapePlayer(name);
                }
                file.setValue(key, items.join(u','));
            }};
}

const std::vector<Option> &options()
{
    using S = GameSettings;
    static const std::vector<Option> table{
        whole(
            u"PauseSeconds"_s, [](S &s) -> int & { return s.game.pauseSeconds; },
            GameOptions::MinPauseSeconds, GameOptions::MaxPauseSeconds),
        whole(
            u"CountdownSeconds"_s, [](S &s) -> int & { return s.game.countdownSeconds; },
            GameOptions::MinCountdownSeconds, GameOptions::MaxCountdownSeconds),
        numbers(
            u"Limbs"_s, [](S &s) -> QList<qint16> & { return s.game.limbs; }, limbNames()),
        numbers(
            u"Colours"_s, [](S &s) -> QList<qint16> & { return s.game.colours; }, colourNames()),
        choice(u"Spoken"_s, [](S &s) -> bool & { return s.game.spoken; }),
        whole(
            u"Volume"_s, [](S &s) -> int & { return s.volume; }, GameSettings::MinVolume,
            GameSettings::MaxVolume),
        choice(u"RepeatsAllowed"_s, [](S &s) -> bool & { return s.game.repeatsAllowed; }),
        choice(u"WaitForNext"_s, [](S &s) -> bool & { return s.game.waitForNext; }),
        choice(u"StartFullScreen"_s, [](S &s) -> bool & { return s.startFullScreen; }),
        choice(
            u"Voice"_s, [](S &s) -> bool & { return s.ownVoice; }, u"builtin"_s, u"own"_s),
        choice(u"GameSounds"_s, [](S &s) -> bool & { return s.gameSounds; }),
        players(u"Players"_s),
    };
    return table;
}

} // namespace

QStringList limbNames()
{
    QStringList names;
    for (qint16 number = DrawLower; number <= DrawUpper; ++number) {
        names << limb(number).name;
    }
    return names;
}

QStringList colourNames()
{
    QStringList names;
    for (qint16 number = DrawLower; number <= DrawUpper; ++number) {
        names << colour(number).name;
    }
    return names;
}

QStringList tidyPlayers(const QStringList &names)
{
    QStringList tidy;
    for (const QString &name : names) {
        QString shown;
        for (const QChar c : name) {
            shown += c.category() == QChar::Other_Control ? QChar(u' ') : c;
        }
        shown = shown.simplified();
        if (shown.size() > GameSettings::MaxPlayerName) {
            const bool split = shown.at(GameSettings::MaxPlayerName).isLowSurrogate();
            shown = shown.left(GameSettings::MaxPlayerName - (split ? 1 : 0)).trimmed();
        }
        if (!shown.isEmpty() && tidy.size() < GameSettings::MaxPlayers) {
            tidy << shown;
        }
    }
    return tidy;
}

GameSettings readGameSettings()
{
    GameSettings result;
    const std::unique_ptr<QSettings> file = SettingsFile().forReading();
    if (!file) {
        return result;
    }
    file->beginGroup(Group);
    for (const Option &option : options()) {
        option.read(*file, result);
    }
    return result;
}

bool writeGameSettings(const GameSettings &values)
{
    const std::unique_ptr<SettingsWriter> file = SettingsFile().forWriting();
    if (!file) {
        return false;
    }
    QSettings &settings = file->settings();
    settings.beginGroup(Group);
    for (const Option &option : options()) {
        option.write(settings, values);
    }
    settings.endGroup();
    return file->commit();
}
