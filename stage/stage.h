// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "stagecontrols.h"

#include <QObject>

class FullScreenHint;
class GameSequencer;
class LimbSpot;
class NextCallRing;
class PausedVeil;
class PlayerList;
class Players;
class SideCue;
class QWidget;
class WinnerBanner;
struct GameDisplay;
namespace CallerLayout {
struct FullScreen;
}

// Full screen as the party's stage: the call as a picture and its side lit on the board, a paused
// game dimmed for the room, controls to touch while the pointer shows, a sign of the time to the
// next call, and the players (where listed) with the round's winner. It follows the game's reports
// and shows nothing outside full screen.
class Stage : public QObject
{
    Q_OBJECT

public:
    // The stage's widgets are made children of client, above what is already there.
    Stage(QWidget *client, FullScreenHint *hint, const StageControls::Actions &actions,
          GameSequencer *sequencer, Players *players, QObject *parent = nullptr);

    void setActive(bool active);
    bool isActive() const { return m_active; }
    // The rows of names the layout keeps for the players.
    int playerRows() const;
    void place(const CallerLayout::FullScreen &layout);

Q_SIGNALS:
    // The players' rows changed: the stage wants laying out again.
    void playerRowsChanged();

private:
    void showDisplay(const GameDisplay &display);
    void showPaused(bool paused);
    void showControls();
    void showPlayers();
    void showWinner(const QString &winner);

    GameSequencer *m_sequencer;
    FullScreenHint *m_hint;
    SideCue *m_cue = nullptr;
    LimbSpot *m_spot = nullptr;
    NextCallRing *m_ring = nullptr;
    PausedVeil *m_veil = nullptr;
    StageControls *m_controls = nullptr;
    Players *m_players;
    PlayerList *m_playerList = nullptr;
    WinnerBanner *m_banner = nullptr;
    int m_playerRows = 0;
    bool m_active = false;
};
