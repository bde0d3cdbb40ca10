// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calltables.h"
#include "gamereport.h"

#include <QString>
#include <QStringList>

// Puts what a game reports into the words the window shows, in the language of the installed
// translation; with none installed, the designed English.
namespace GameWords {

QString status(GameStatus status);
QString display(const GameDisplay &display);
// The last player standing, as the stage and a remote announce the round's end.
QString winner(const QString &name);

QString limb(qint16 number);
QString colour(qint16 number);
QString word(const CallWord &word);
// The limb as it shows alone, before its colour joins it.
QString limbAlone(const QString &limb);
// A whole call, joined as the language calls it out ("MAIN GAUCHE SUR LE VERT").
QString call(const QString &limb, const QString &colour);
// A shown call over two lines, limb above colour: broken where the limb ends, so that the words
// joining the colour stay with it (a language calling the colour first breaks before the limb).
// A limb alone is one line; a text with no limb in it breaks at its last blank.
QStringList callLines(const QString &shown);

} // namespace GameWords
