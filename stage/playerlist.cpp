// SPDX-License-Identifier: GPL-3.0-or-later
#include "playerlist.h"

#include "players.h"

#include <QAction>
#include <QFontMetrics>
#include <QPushButton>
#include <QStyle>

#include <algorithm>

using namespace Qt::StringLiterals;

PlayerList::PlayerList(Players *players, QWidget *parent)
    : QWidget(parent)
    , m_players(players)
{
    setObjectName(u"frmPlayers"_s);
    //: For screen readers: the players' names shown in full screen.
    setAccessibleName(tr("Players"));
    // Dark on light while in, faded once out, readable on the white room from across it.
    setStyleSheet(u"QPushButton { color: black; background-color: rgb(255, 244, 200);"
                  " border: 3px solid rgb(60, 60, 60); border-radius: 12px; padding: 0 0.4em; }"
                  " QPushButton:pressed { background-color: rgb(230, 210, 150); }"
                  " QPushButton[out=\"true\"] { color: rgb(150, 150, 150);"
                  " background-color: rgb(240, 240, 240); border-color: rgb(190, 190, 190);"
                  " border-style: dashed; }"_s);
    // Keys for a host at the keyboard; only while the list shows, so a window without it keeps
    // the designed keys.
    for (int i = 0; i < 9; ++i) {
        auto *key = new QAction(this);
        key->setShortcut(QKeySequence(Qt::Key_1 + i));
        connect(key, &QAction::triggered, players, [players, i] { players->toggle(i); });
        addAction(key);
    }
    connect(players, &Players::changed, this, &PlayerList::showPlayers);
    showPlayers();
    hide();
}

int PlayerList::rows() const
{
    return int((m_players->names().size() + Columns - 1) / Columns);
}

void PlayerList::showPlayers()
{
    const QStringList &names = m_players->names();
    const bool recounted = m_buttons.size() != names.size();
    while (m_buttons.size() > names.size()) {
        delete m_buttons.takeLast();
    }
    while (m_buttons.size() < names.size()) {
        auto *button = new QPushButton(this);
        const int index = int(m_buttons.size());
        button->setObjectName(u"cmdPlayer%1"_s.arg(index + 1));
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QPushButton::clicked, m_players,
                [this, index] { m_players->toggle(index); });
        button->show();
        m_buttons << button;
    }
    if (recounted) {
        arrange(); // a list changed in Configure while the stage shows
    }
    for (int i = 0; i < names.size(); ++i) {
        QPushButton *button = m_buttons.at(i);
        const bool out = m_players->isOut(i);
        QFont font = m_font;
        font.setStrikeOut(out);
        button->setFont(font);
        const QString label = u"%1  %2"_s.arg(i + 1).arg(names.at(i));
        const int room = button->width() - 2 * QFontMetrics(font).height();
        button->setText(room > 0 ? QFontMetrics(font).elidedText(label, Qt::ElideRight, room)
                                 : label);
        //: For screen readers: a player's name on the stage once that player is out.
        button->setAccessibleName(out ? tr("%1, out").arg(names.at(i)) : names.at(i));
        if (button->property("out").toBool() != out) {
            button->setProperty("out", out);
            button->style()->unpolish(button);
            button->style()->polish(button);
        }
    }
}

void PlayerList::place(const QRect &rect, const QFont &font)
{
    setGeometry(rect);
    m_font = font;
    arrange();
    showPlayers(); // the names elided for their new width
}

void PlayerList::arrange()
{
    const int count = int(m_buttons.size());
    const int rowCount = rows();
    if (count == 0 || rowCount == 0) {
        return;
    }
    const int columns = std::min(count, Columns);
    const int rowHeight = height() / rowCount;
    const int gap = rowHeight / 6;
    const int width = (this->width() - (columns - 1) * gap) / columns;
    for (int i = 0; i < count; ++i) {
        m_buttons.at(i)->setGeometry((i % columns) * (width + gap), (i / columns) * rowHeight,
                                     width, rowHeight - gap);
    }
}
