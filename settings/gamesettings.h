// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gameoptions.h"

#include <QString>

// The game's options and the full-screen start, kept in Limbora's per-user settings under [Game]
// in a form people and scripts can write by hand:
//   PauseSeconds=7  CountdownSeconds=10  Limbs=lefthand,righthand,leftfoot,rightfoot
//   Colours=green,yellow,blue,red  Spoken=true  RepeatsAllowed=true  StartFullScreen=false
//   Voice=builtin (or own: the host's recordings, the built-in word where one is missing)
// A value that is missing, empty, out of range or unreadable falls back to its own default
// without touching the others. Nothing is ever reported.
struct GameSettings
{
    GameOptions game;
    bool startFullScreen = false;
    bool ownVoice = false;

    friend bool operator==(const GameSettings &, const GameSettings &) = default;
};

GameSettings readGameSettings();
// Writes every value (others in the file, known or not, stay). False when it could not be kept.
bool writeGameSettings(const GameSettings &settings);

// The names used in the file, in call-table order.
QStringList limbNames();
QStringList colourNames();
