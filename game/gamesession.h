// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gamesettings.h"

#include <QObject>
#include <QString>

class GameClock;
class GameSequencer;
class GameSounds;
class Players;
class RandomSource;
class SoundChannel;
class SoundPlayer;
struct Rgb;

// A game as the program runs it: the sequencer with the player's sounds for its calls (from
// the language's folder), the options it plays by, read at the start and stored when changed.
class GameSession : public QObject
{
    Q_OBJECT

public:
    // The call sounds are played from callSoundFolder, relative to the sound player's directory;
    // every other sound from that directory itself.
    GameSession(GameClock &clock, RandomSource &random, SoundPlayer &sounds,
                const QString &callSoundFolder, Rgb displayColour, QObject *parent = nullptr);

    GameSequencer *sequencer() const { return m_sequencer; }
    // Who plays the round, as listed in the options.
    Players *players() const { return m_players; }
    const GameSettings &settings() const { return m_settings; }

    // The game plays by these from its next wait or call on.
    void apply(const GameSettings &settings);
    // As apply, and kept for the next run; false where they could not be kept.
    bool store(const GameSettings &settings);

    // A sound beside the game (the About box's), traced as the game's are.
    void playAndReturn(const QString &name);

private:
    SoundPlayer &m_sounds;
    QString m_callSoundFolder;
    SoundChannel *m_channel = nullptr;
    GameSequencer *m_sequencer = nullptr;
    Players *m_players = nullptr;
    GameSounds *m_gameSounds = nullptr;
    GameSettings m_settings;
};
