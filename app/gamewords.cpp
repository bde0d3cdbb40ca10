// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamewords.h"

#include <QCoreApplication>

namespace GameWords {

QString status(GameStatus status)
{
    switch (status) {
    case GameStatus::Starting:
        //: Status while the countdown before the first call runs.
        return QCoreApplication::translate("Game", "The game will start");
    case GameStatus::InProgress:
        //: Status while calls are being made.
        return QCoreApplication::translate("Game", "(Game in progress)");
    case GameStatus::Stopped:
        //: Status once Stop was pressed.
        return QCoreApplication::translate("Game", "(Game stopped)");
    case GameStatus::Paused:
        //: Status while the host holds the game (Game > Pause, or Space).
        return QCoreApplication::translate("Game", "(Game paused)");
    case GameStatus::Blank:
        break;
    }
    return QString();
}

QString display(const GameDisplay &display)
{
    switch (display.kind) {
    case GameDisplay::Kind::Countdown:
        //: Seconds left before the first call. The English text keeps "in 1 seconds..." on
        //: purpose; translations use their correct singular and plural.
        return QCoreApplication::translate("Game", "in %n seconds...", nullptr, display.seconds);
    case GameDisplay::Kind::Limb:
        return call(limb(display.call.limb), QString());
    case GameDisplay::Kind::Call:
        return call(limb(display.call.limb), colour(display.call.colour));
    case GameDisplay::Kind::Blank:
        break;
    }
    return QString();
}

QString limb(qint16 number)
{
    return QCoreApplication::translate("Game", ::limb(number).word);
}

QString colour(qint16 number)
{
    return QCoreApplication::translate("Game", ::colour(number).word);
}

QString call(const QString &limb, const QString &colour)
{
    //: A call to the players: %1 is the limb, %2 the colour, as in "LEFT HAND GREEN". Order them
    //: as your language calls them out. The limb first shows alone, as this text with %2 empty.
    return QCoreApplication::translate("Game", "%1 %2").arg(limb, colour);
}

} // namespace GameWords
