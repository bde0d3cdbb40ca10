// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gameoptions.h"

#include <QString>

// The game's options and the full-screen start, kept in Limbora's per-user settings under [Game]
// in a form people and scripts can write by hand:
//   PauseSeconds=7  CountdownSeconds=10  Limbs=lefthand,righthand,leftfoot,rightfoot
//   Colours=green,yellow,blue,red  Spoken=true  Volume=100  RepeatsAllowed=true
//   WaitForNext=false (no pause after a call: the next comes when the host asks for it)
//   StartFullScreen=false  Voice=builtin (or own: the host's recordings, the built-in word where
//   one is missing)  GameSounds=false (ticks before the first call, chimes at Start and Stop)
// A value that is missing, empty, out of range or unreadable falls back to its own default
// without touching the others. Nothing is ever reported.
struct GameSettings
{
    static constexpr int MinVolume = 0;
    static constexpr int MaxVolume = 100;

    GameOptions game;
    bool startFullScreen = false;
    // The calls' and chimes' loudness, in per cent.
    int volume = MaxVolume;
    bool ownVoice = false;
    bool gameSounds = false;

    friend bool operator==(const GameSettings &, const GameSettings &) = default;
};

GameSettings readGameSettings();
// Writes every value (others in the file, known or not, stay). False when it could not be kept.
bool writeGameSettings(const GameSettings &settings);

// The names used in the file, in call-table order.
QStringList limbNames();
QStringList colourNames();
