// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QStringList>

class GameSequencer;

// The players of a round, for a host who lists them: who is still in, who fell, and the winner.
// A player is put out (and taken back) only while a game runs; when one is left standing the
// game stops by itself and that player has won. Start brings everyone back. A list of fewer than
// two names names no winner.
class Players : public QObject
{
    Q_OBJECT

public:
    explicit Players(GameSequencer *sequencer, QObject *parent = nullptr);

    // Takes effect at once; everyone is back in.
    void setNames(const QStringList &names);
    const QStringList &names() const { return m_names; }
    bool isOut(int index) const { return m_out.value(index); }
    // Empty until the round has a winner.
    QString winner() const { return m_winner < 0 ? QString() : m_names.at(m_winner); }

public Q_SLOTS:
    // Out after a fall, or back in where the host put the player out by mistake.
    void toggle(int index);

Q_SIGNALS:
    // Who is out changed, or the list itself.
    void changed();
    // Reported before the game stops, so that whoever follows the stop can name the winner.
    void winnerChanged(const QString &winner);

private:
    void buttonsChanged(bool startEnabled, bool stopEnabled);
    void bringBack();

    GameSequencer *m_sequencer;
    QStringList m_names;
    QList<bool> m_out;
    int m_winner = -1;
};
