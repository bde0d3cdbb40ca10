// SPDX-License-Identifier: GPL-3.0-or-later
#include "calltables.h"

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
    static const std::array<Limb, 4> table{{
        {u"LEFT HAND "_s, u"lefthand.wav"_s},
        {u"RIGHT HAND "_s, u"righthand.wav"_s},
        {u"LEFT FOOT "_s, u"leftfoot.wav"_s},
        {u"RIGHT FOOT "_s, u"rightfoot.wav"_s},
    }};
    return table;
}

const std::array<Colour, 4> &colourTable()
{
    // Yellow is deliberately darker than pure yellow, which vanishes on a white board.
    static const std::array<Colour, 4> table{{
        {u"GREEN"_s, {0, 255, 0}, u"green.wav"_s},
        {u"YELLOW"_s, {255, 205, 0}, u"yellow.wav"_s},
        {u"BLUE"_s, {0, 0, 255}, u"blue.wav"_s},
        {u"RED"_s, {255, 0, 0}, u"red.wav"_s},
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

const QStringList &callSounds()
{
    static const QStringList sounds = [] {
        QStringList names;
        for (const Limb &entry : limbTable()) {
            names << entry.sound;
        }
        for (const Colour &entry : colourTable()) {
            names << entry.sound;
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
