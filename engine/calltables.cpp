// SPDX-License-Identifier: GPL-3.0-or-later
#include "calltables.h"

#include <QtGlobal>

#include <cmath>

using namespace Qt::StringLiterals;

QString Rgb::hex() const
{
    const auto byte = [](quint8 value) {
        return u"%1"_s.arg(int(value), 2, 16, QChar(u'0'));
    };
    return u'#' + byte(red) + byte(green) + byte(blue);
}

namespace {

const std::array<Limb, 4> &limbTable()
{
    // The words are shown in capitals; a translation gives them in capitals too.
    static const std::array<Limb, 4> table{{
        //: A limb the players must move, called out in the game.
        {QT_TRANSLATE_NOOP("Game", "LEFT HAND"), u"lefthand"_s, u"lefthand.wav"_s},
        //: A limb the players must move, called out in the game.
        {QT_TRANSLATE_NOOP("Game", "RIGHT HAND"), u"righthand"_s, u"righthand.wav"_s},
        //: A limb the players must move, called out in the game.
        {QT_TRANSLATE_NOOP("Game", "LEFT FOOT"), u"leftfoot"_s, u"leftfoot.wav"_s},
        //: A limb the players must move, called out in the game.
        {QT_TRANSLATE_NOOP("Game", "RIGHT FOOT"), u"rightfoot"_s, u"rightfoot.wav"_s},
    }};
    return table;
}

const std::array<Colour, 4> &colourTable()
{
    // Yellow is deliberately darker than pure yellow, which vanishes on a white board.
    static const std::array<Colour, 4> table{{
        //: A colour of the spots on the mat, called out in the game.
        {QT_TRANSLATE_NOOP("Game", "GREEN"), {0, 255, 0}, u"green"_s, u"green.wav"_s},
        //: A colour of the spots on the mat, called out in the game.
        {QT_TRANSLATE_NOOP("Game", "YELLOW"), {255, 205, 0}, u"yellow"_s, u"yellow.wav"_s},
        //: A colour of the spots on the mat, called out in the game.
        {QT_TRANSLATE_NOOP("Game", "BLUE"), {0, 0, 255}, u"blue"_s, u"blue.wav"_s},
        //: A colour of the spots on the mat, called out in the game.
        {QT_TRANSLATE_NOOP("Game", "RED"), {255, 0, 0}, u"red"_s, u"red.wav"_s},
    }};
    return table;
}

std::size_t index(qint16 number)
{
    Q_ASSERT(number >= DrawLower && number <= DrawUpper);
    return std::size_t(number - DrawLower);
}

} // namespace

const Limb &limb(qint16 number)
{
    return limbTable()[index(number)];
}

const Colour &colour(qint16 number)
{
    return colourTable()[index(number)];
}

const QList<CallWord> &callWords()
{
    static const QList<CallWord> words = [] {
        QList<CallWord> list;
        for (qint16 number = DrawLower; number <= DrawUpper; ++number) {
            list.append({CallWord::Kind::Limb, number, limb(number).sound});
        }
        for (qint16 number = DrawLower; number <= DrawUpper; ++number) {
            list.append({CallWord::Kind::Colour, number, colour(number).sound});
        }
        return list;
    }();
    return words;
}

const QStringList &callSounds()
{
    static const QStringList sounds = [] {
        QStringList names;
        for (const CallWord &word : callWords()) {
            names << word.sound;
        }
        return names;
    }();
    return sounds;
}

qint16 drawNumber(qint16 upper, qint16 lower, float r)
{
    const auto span = qint16(upper - lower + 1);
    return qint16(std::floor(double(span) * double(r) + double(lower)));
}
