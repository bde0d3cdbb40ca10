// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamesettings.h"

#include "settingsfile.h"

#include <QSettings>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString Group = u"Game"_s;

int readWhole(const QSettings &settings, const QString &key, int fallback, int lowest, int highest)
{
    bool ok = false;
    const int value = settings.value(key).toString().trimmed().toInt(&ok);
    return ok && value >= lowest && value <= highest ? value : fallback;
}

bool readBool(const QSettings &settings, const QString &key, bool fallback)
{
    const QString text = settings.value(key).toString().trimmed().toLower();
    if (text == u"true") {
        return true;
    }
    if (text == u"false") {
        return false;
    }
    return fallback;
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

QString writeNumbers(const QList<qint16> &numbers, const QStringList &names)
{
    QStringList items;
    for (qint16 number : numbers) {
        items << names.at(number - 1);
    }
    return items.join(u',');
}

QString writeBool(bool value)
{
    return value ? u"true"_s : u"false"_s;
}

} // namespace

QStringList limbNames()
{
    return {u"lefthand"_s, u"righthand"_s, u"leftfoot"_s, u"rightfoot"_s};
}

QStringList colourNames()
{
    return {u"green"_s, u"yellow"_s, u"blue"_s, u"red"_s};
}

GameSettings readGameSettings()
{
    GameSettings result;
    const std::unique_ptr<QSettings> file = SettingsFile().forReading();
    if (!file) {
        return result;
    }
    QSettings &settings = *file;
    settings.beginGroup(Group);
    GameOptions &game = result.game;
    const GameOptions defaults;
    game.pauseSeconds = readWhole(settings, u"PauseSeconds"_s, defaults.pauseSeconds,
                                  GameOptions::MinPauseSeconds, GameOptions::MaxPauseSeconds);
    game.countdownSeconds
        = readWhole(settings, u"CountdownSeconds"_s, defaults.countdownSeconds,
                    GameOptions::MinCountdownSeconds, GameOptions::MaxCountdownSeconds);
    game.limbs = readNumbers(settings, u"Limbs"_s, limbNames(), defaults.limbs);
    game.colours = readNumbers(settings, u"Colours"_s, colourNames(), defaults.colours);
    game.spoken = readBool(settings, u"Spoken"_s, defaults.spoken);
    game.repeatsAllowed = readBool(settings, u"RepeatsAllowed"_s, defaults.repeatsAllowed);
    result.startFullScreen = readBool(settings, u"StartFullScreen"_s, false);
    result.volume = readWhole(settings, u"Volume"_s, GameSettings::MaxVolume,
                              GameSettings::MinVolume, GameSettings::MaxVolume);
    result.ownVoice = settings.value(u"Voice"_s).toString().trimmed().toLower() == u"own";
    result.gameSounds = readBool(settings, u"GameSounds"_s, false);
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
    const GameOptions &game = values.game;
    settings.setValue(u"PauseSeconds"_s, QString::number(game.pauseSeconds));
    settings.setValue(u"CountdownSeconds"_s, QString::number(game.countdownSeconds));
    settings.setValue(u"Limbs"_s, writeNumbers(game.limbs, limbNames()));
    settings.setValue(u"Colours"_s, writeNumbers(game.colours, colourNames()));
    settings.setValue(u"Spoken"_s, writeBool(game.spoken));
    settings.setValue(u"Volume"_s, QString::number(values.volume));
    settings.setValue(u"RepeatsAllowed"_s, writeBool(game.repeatsAllowed));
    settings.setValue(u"StartFullScreen"_s, writeBool(values.startFullScreen));
    settings.setValue(u"Voice"_s, values.ownVoice ? u"own"_s : u"builtin"_s);
    settings.setValue(u"GameSounds"_s, writeBool(values.gameSounds));
    settings.endGroup();
    return file->commit();
}
