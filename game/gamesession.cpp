// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamesession.h"

#include "calltables.h"
#include "gamelog.h"
#include "gamesequencer.h"
#include "gamesounds.h"
#include "language.h"
#include "players.h"
#include "soundchannel.h"
#include "soundplayer.h"
#include "voicefolder.h"

#include <functional>

using namespace Qt::StringLiterals;

namespace {

// The host's own words first where chosen; a word the language's folder can't play is said in
// English.
QStringList callFolders(const QString &languageFolder, bool ownVoice)
{
    QStringList folders{languageFolder, QString()};
    if (ownVoice) {
        folders.prepend(VoiceFolder::path(Language::current()));
    }
    return folders;
}

} // namespace

GameSession::GameSession(GameClock &clock, RandomSource &random, SoundPlayer &sounds,
                         const QString &callSoundFolder, Rgb displayColour, QObject *parent)
    : QObject(parent)
    , m_sounds(sounds)
    , m_callSoundFolder(callSoundFolder)
{
    const GameSettings settings = readGameSettings();
    m_sounds.setCallFolders(callFolders(m_callSoundFolder, settings.ownVoice));
    m_sounds.preload(QStringList{u"About.wav"_s, u"hid.wav"_s} + callSounds()
                     + GameSounds::names());
    m_channel = new SoundChannel(std::bind_front(&SoundPlayer::playAndWait, &m_sounds),
                                 std::bind_front(&SoundPlayer::stop, &m_sounds), this);
    m_sequencer = new GameSequencer(clock, random, std::bind_front(&SoundChannel::play, m_channel),
                                    displayColour, this);
    // Silent where the file can't be played: a missed tick needs no stand-in.
    m_players = new Players(m_sequencer, this);
    m_gameSounds = new GameSounds(m_sequencer, m_players, *m_channel, this);
    apply(settings);
}

void GameSession::apply(const GameSettings &settings)
{
    m_settings = settings;
    m_sequencer->setOptions(settings.game);
    m_gameSounds->setEnabled(settings.gameSounds);
    m_players->setNames(settings.players);
    m_sounds.setVolume(settings.volume);
    m_sounds.setCallFolders(callFolders(m_callSoundFolder, settings.ownVoice));
}

bool GameSession::store(const GameSettings &settings)
{
    apply(settings);
    return writeGameSettings(settings);
}

void GameSession::playAndReturn(const QString &name)
{
    qCDebug(lcGame, "sound-start %s return", qUtf8Printable(name));
    m_sounds.playAndReturn(name);
}
