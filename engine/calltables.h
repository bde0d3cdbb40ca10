// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The fixed vocabulary of a call: four limbs, four colours, what is shown and what is spoken.
// Numbers run from 1 to 4 as the players know them; the tables are indexed from 0.

struct Rgb
{
    quint8 red = 0;
    quint8 green = 0;
    quint8 blue = 0;

    QString hex() const; // "#rrggbb", lower case
    friend bool operator==(const Rgb &, const Rgb &) = default;
};

inline constexpr Rgb Black{0, 0, 0};

// The words are the English source texts of the translations (context "Game"); the window
// translates them. The sounds are file names, the same in every language's sound folder.
struct Limb
{
    const char *word;
    QString sound;
};

struct Colour
{
    const char *word;
    Rgb rgb;
    QString sound;
};

struct Call
{
    qint16 colour = 1;
    qint16 limb = 1;

    friend bool operator==(const Call &, const Call &) = default;
};

inline constexpr qint16 DrawLower = 1;
inline constexpr qint16 DrawUpper = 4;

const Limb &limb(qint16 number);
const Colour &colour(qint16 number);

// Every sound a game can ask for, limbs first.
const QStringList &callSounds();

// floor((upper - lower + 1) * r + lower) for 0 <= r < 1. Computed in double so that the largest
// single-precision r below 1 still yields upper.
qint16 drawNumber(qint16 upper, qint16 lower, float r);
