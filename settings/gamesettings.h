// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gameoptions.h"

#include <QString>
#include <QStringList>

// The game's options and the full-screen start, kept in Limbora's per-user settings under [Game]
// in a form people and scripts can write by hand:
//   PauseSeconds=7  CountdownSeconds=10  Limbs=lefthand,righthand,leftfoot,rightfoot
//   Colours=green,yellow,blue,red  Spoken=true  Volume=100  RepeatsAllowed=true
//   WaitForNext=false (no pause after a call: the next comes when the host asks for it)
//   StartFullScreen=false  Voice=builtin (or own: the host's recordings, the built-in word where
//   one is missing)  GameSounds=false (ticks before the first call, chimes at Start and Stop)
//   Players=Anna,Ben (the players' names; a comma, a per cent sign or an @ in one written %2C,
//   %25, %40)
// A value that is missing, empty, out of range or unreadable falls back to its own default
// without touching the others. Nothing is ever reported.
struct GameSettings
{
    static constexpr int MinVolume = 0;
    static constexpr int MaxVolume = 100;
    // A player per number key, and a name that still reads as one from across the room.
    static constexpr int MaxPlayers = 9;
    static constexpr int MaxPlayerName = 24;

    GameOptions game;
    bool startFullScreen = false;
    // The calls' and chimes' loudness, in per cent.
    int volume = MaxVolume;
    bool ownVoice = false;
    bool gameSounds = false;
    // Empty: the designed game, no list on the stage.
    QStringList players;

    friend bool operator==(const GameSettings &, const GameSettings &) = default;
};

GameSettings readGameSettings();
// Writes every value (others in the file, known or not, stay). False when it could not be kept.
bool writeGameSettings(const GameSettings &settings);

// Names as the game can show them: control characters gone, spaces trimmed, empty names left
// out, each cut to MaxPlayerName characters (never inside one) and at most MaxPlayers of them.
QStringList tidyPlayers(const QStringList &names);

// The names used in the file, in call-table order.
QStringList limbNames();
QStringList colourNames();
