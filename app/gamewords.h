// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gamereport.h"

#include <QString>

// Puts what a game reports into the words the window shows, in the language of the installed
// translation; with none installed, the designed English.
namespace GameWords {

QString status(GameStatus status);
QString display(const GameDisplay &display);

QString limb(qint16 number);
QString colour(qint16 number);
// A whole call. With no colour yet it is the limb as it shows alone, before its colour.
QString call(const QString &limb, const QString &colour);

} // namespace GameWords
