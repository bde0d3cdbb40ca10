// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamesession.h"

#include "calltables.h"
#include "gamelog.h"
#include "gamesequencer.h"
#include "soundplayer.h"

using namespace Qt::StringLiterals;

GameSession::GameSession(GameClock &clock, RandomSource &random, SoundPlayer &sounds,
                         const QString &callSoundFolder, Rgb displayColour, QObject *parent)
    : QObject(parent)
    , m_sounds(sounds)
    , m_callSoundFolder(callSoundFolder)
{
    // A word the language's folder can't play is said in English.
    m_sounds.setCallFolders({m_callSoundFolder, QString()});
    m_sounds.preload(QStringList{u"About.wav"_s, u"hid.wav"_s} + callSounds());
    m_sequencer = new GameSequencer(
        clock, random,
        [this](const QString &name, std::function<void()> finished) {
            m_sounds.playAndWait(name, std::move(finished));
        },
        displayColour, this);
    m_sequencer->setStopSound([this](const QString &name) { m_sounds.stop(name); });
    apply(readGameSettings());
}

void GameSession::apply(const GameSettings &settings)
{
    m_settings = settings;
    m_sequencer->setOptions(settings.game);
    m_sounds.setVolume(settings.volume);
}

void GameSession::store(const GameSettings &settings)
{
    writeGameSettings(settings);
    apply(settings);
}

void GameSession::playAndReturn(const QString &name)
{
    qCDebug(lcGame, "sound-start %s return", qUtf8Printable(name));
    m_sounds.playAndReturn(name);
}
