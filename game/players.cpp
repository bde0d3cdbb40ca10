// SPDX-License-Identifier: GPL-3.0-or-later
#include "players.h"

#include "gamelog.h"
#include "gamesequencer.h"

#include <algorithm>

Players::Players(GameSequencer *sequencer, QObject *parent)
    : QObject(parent)
    , m_sequencer(sequencer)
{
    connect(sequencer, &GameSequencer::buttonsChanged, this, &Players::buttonsChanged);
}

void Players::setNames(const QStringList &names)
{
    if (names == m_names) {
        return;
    }
    m_names = names;
    bringBack();
}

void Players::toggle(int index)
{
    if (index < 0 || index >= m_names.size() || !m_sequencer->stopEnabled()) {
        return;
    }
    m_out[index] = !m_out.at(index);
    qCDebug(lcGame, "player-%s %d", m_out.at(index) ? "out" : "back", index + 1);
    Q_EMIT changed();
    if (m_names.size() < 2 || std::count(m_out.cbegin(), m_out.cend(), false) != 1) {
        return;
    }
    m_winner = int(m_out.indexOf(false));
    qCDebug(lcGame, "winner %d", m_winner + 1);
    Q_EMIT winnerChanged(winner());
    m_sequencer->stop();
}

void Players::buttonsChanged(bool, bool stopEnabled)
{
    if (stopEnabled) {
        bringBack(); // a new round
    }
}

void Players::bringBack()
{
    const bool hadWinner = m_winner >= 0;
    m_out = QList<bool>(m_names.size(), false);
    m_winner = -1;
    Q_EMIT changed();
    if (hadWinner) {
        Q_EMIT winnerChanged(QString());
    }
}
