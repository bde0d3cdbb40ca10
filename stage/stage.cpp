// SPDX-License-Identifier: GPL-3.0-or-later
#include "stage.h"

#include "callerlayout.h"
#include "fullscreenhint.h"
#include "gamesequencer.h"
#include "limbspot.h"
#include "nextcallring.h"
#include "pausedveil.h"
#include "playerlist.h"
#include "players.h"
#include "sidecue.h"
#include "winnerbanner.h"

#include <QWidget>

#include <cmath>

Stage::Stage(QWidget *client, FullScreenHint *hint, const StageControls::Actions &actions,
             GameSequencer *sequencer, Players *players, QObject *parent)
    : QObject(parent)
    , m_sequencer(sequencer)
    , m_hint(hint)
    , m_players(players)
{
    // Made in the order they stack: the board's corners, the picture, the ring and the names
    // under the veil, the winner over it, the controls on top.
    m_cue = new SideCue(client);
    m_spot = new LimbSpot(client);
    m_ring = new NextCallRing(sequencer, client);
    m_playerList = new PlayerList(players, client);
    m_veil = new PausedVeil(client);
    m_banner = new WinnerBanner(client);
    m_controls = new StageControls(actions, client);
    m_playerRows = m_playerList->rows();
    connect(players, &Players::changed, this, &Stage::showPlayers);
    connect(players, &Players::winnerChanged, this, &Stage::showWinner);
    connect(sequencer, &GameSequencer::displayChanged, this, &Stage::showDisplay);
    connect(sequencer, &GameSequencer::pausedChanged, this, &Stage::showPaused);
    connect(hint, &FullScreenHint::pointerHiddenChanged, this, &Stage::showControls);
}

void Stage::setActive(bool active)
{
    m_active = active;
    m_cue->setVisible(active);
    m_spot->setVisible(active);
    m_ring->setActive(active);
    showDisplay(m_sequencer->display());
    showPaused(m_sequencer->isPaused());
    showControls();
    showPlayers();
    showWinner(m_players->winner());
    if (active) {
        for (QWidget *widget : std::initializer_list<QWidget *>{m_cue, m_spot, m_ring, m_playerList,
                                                                m_veil, m_banner, m_controls}) {
            widget->raise();
        }
    }
}

void Stage::place(const CallerLayout::FullScreen &layout)
{
    m_cue->place(layout.board, layout.corners);
    m_spot->setGeometry(layout.spot);
    m_ring->setGeometry(layout.ring);
    m_veil->setGeometry(QRect(QPoint(0, 0), m_veil->window()->size())); // the client may lag
    m_veil->setFont(layout.pausedFont);
    m_controls->place(layout.controls, layout.controlsFont);
    m_playerList->place(layout.players, layout.controlsFont);
    m_banner->setGeometry(m_veil->geometry());
    m_banner->setFont(layout.pausedFont);
}

int Stage::playerRows() const
{
    return m_playerRows;
}

void Stage::showPlayers()
{
    m_playerList->setVisible(m_active && !m_players->names().isEmpty());
    if (m_playerList->rows() != m_playerRows) {
        m_playerRows = m_playerList->rows();
        Q_EMIT playerRowsChanged();
    }
}

void Stage::showWinner(const QString &winner)
{
    m_banner->setWinner(winner);
    m_banner->setVisible(m_active && !winner.isEmpty());
}

void Stage::showDisplay(const GameDisplay &display)
{
    qint16 limb = 0;
    QColor colour;
    switch (display.kind) {
    case GameDisplay::Kind::Call:
        colour = QColor(display.colour.red, display.colour.green, display.colour.blue);
        [[fallthrough]];
    case GameDisplay::Kind::Limb:
        limb = display.call.limb;
        break;
    case GameDisplay::Kind::Blank:
    case GameDisplay::Kind::Countdown:
        break;
    }
    m_spot->showCall(limb, colour);
    m_cue->showCall(limb, colour);
}

void Stage::showPaused(bool paused)
{
    const qint64 left = m_sequencer->waitLength() > 0 ? m_sequencer->waitLeft() : -1;
    m_veil->setSecondsLeft(left < 0 ? -1 : int(std::ceil(left / 1000.0)));
    m_veil->setVisible(m_active && paused);
}

void Stage::showControls()
{
    m_controls->setVisible(m_active && !m_hint->isPointerHidden());
}
