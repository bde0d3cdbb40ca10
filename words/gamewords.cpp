// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamewords.h"

#include <QCoreApplication>

#include <utility>

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
        //: Status while the host holds the game (Game > Pause, or P).
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
        return limbAlone(limb(display.call.limb));
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

QString word(const CallWord &word)
{
    return word.kind == CallWord::Kind::Limb ? limb(word.number) : colour(word.number);
}

QString limbAlone(const QString &limb)
{
    //: The limb alone (%1), shown and spoken before its colour joins it. The English keeps a
    //: blank at the end, where the colour will follow.
    return QCoreApplication::translate("Game", "%1 ").arg(limb);
}

QString call(const QString &limb, const QString &colour)
{
    //: A whole call to the players: %1 is the limb, %2 the colour, as in "LEFT HAND GREEN".
    //: Join and order them as a caller in your language says it, e.g. "%1 SUR LE %2". All four
    //: colours and limbs fill the same text. In full screen a long call goes over two lines,
    //: broken where the limb ends.
    return QCoreApplication::translate("Game", "%1 %2").arg(limb, colour);
}

QStringList callLines(const QString &shown)
{
    const QString text = shown.trimmed();
    // The longest name found, so that no name can stand for a part of another's.
    const auto find = [&text](QString (*word)(qint16)) {
        std::pair<qsizetype, qsizetype> found{-1, 0}; // where, how long
        for (qint16 number = DrawLower; number <= DrawUpper; ++number) {
            const QString name = word(number);
            const qsizetype at = text.indexOf(name);
            if (at >= 0 && name.size() > found.second) {
                found = {at, name.size()};
            }
        }
        return found;
    };
    const auto [at, length] = find(limb);
    qsizetype split = -1;
    if (at < 0) {
        split = text.lastIndexOf(u' ');
    } else if (find(colour).first >= 0) {
        split = at == 0 ? length : at; // after a leading limb, else before the limb
    }
    const QString first = text.left(split).trimmed();
    const QString second = text.mid(split).trimmed();
    if (split <= 0 || first.isEmpty() || second.isEmpty()) {
        return {text};
    }
    return {first, second};
}

QString winner(const QString &name)
{
    //: Large on the stage and as a remote's title when one player is left: %1 is the name.
    return QCoreApplication::translate("Game", "%1 wins!").arg(name);
}

} // namespace GameWords
