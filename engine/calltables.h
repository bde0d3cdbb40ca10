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
// translates them. The name is the word in the settings file; the sound, the name's file, the
// same in every language's sound folder and among the host's own recordings.
struct Limb
{
    const char *word;
    QString name;
    QString sound;
};

struct Colour
{
    const char *word;
    Rgb rgb;
    QString name;
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

// One of the eight words a call is made of: a limb or a colour, by its number.
struct CallWord
{
    enum class Kind { Limb, Colour };
    Kind kind;
    qint16 number;
    QString sound;
};

// The eight call words, limbs first, each numbered as in the tables.
const QList<CallWord> &callWords();
// Every sound a game can ask for, limbs first.
const QStringList &callSounds();

// floor((upper - lower + 1) * r + lower) for 0 <= r < 1. Computed in double so that the largest
// single-precision r below 1 still yields upper.
qint16 drawNumber(qint16 upper, qint16 lower, float r);
