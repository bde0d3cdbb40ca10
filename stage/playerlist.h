// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class Players;
class QPushButton;

// In full screen, the players' names, numbered: a tap, a click or the number key puts a player
// out after a fall, and again takes it back. Shown only where players are listed, so that the
// number keys do nothing otherwise. The names take no keyboard focus.
class PlayerList : public QWidget
{
    Q_OBJECT

public:
    static constexpr int Columns = 3;

    PlayerList(Players *players, QWidget *parent = nullptr);

    // The rows the listed names take on the stage, none where no name is listed.
    int rows() const;
    void place(const QRect &rect, const QFont &font);

private:
    void showPlayers();
    void arrange();

    Players *m_players;
    QList<QPushButton *> m_buttons;
    QFont m_font;
};
