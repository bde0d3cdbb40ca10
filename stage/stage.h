// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "stagecontrols.h"

#include <QObject>

class FullScreenHint;
class GameSequencer;
class LimbSpot;
class NextCallRing;
class PausedVeil;
class SideCue;
class QWidget;
struct GameDisplay;
namespace CallerLayout {
struct FullScreen;
}

// Full screen as the party's stage: the call as a picture and its side lit on the board, a paused
// game dimmed for the room, controls to touch while the pointer shows, and a sign of the time to
// the next call. It follows the game's reports and shows nothing outside full screen.
class Stage : public QObject
{
    Q_OBJECT

public:
    // The stage's widgets are made children of client, above what is already there.
    Stage(QWidget *client, FullScreenHint *hint, const StageControls::Actions &actions,
          GameSequencer *sequencer, QObject *parent = nullptr);

    void setActive(bool active);
    bool isActive() const { return m_active; }
    void place(const CallerLayout::FullScreen &layout);

private:
    void showDisplay(const GameDisplay &display);
    void showPaused(bool paused);
    void showControls();

    GameSequencer *m_sequencer;
    FullScreenHint *m_hint;
    SideCue *m_cue = nullptr;
    LimbSpot *m_spot = nullptr;
    NextCallRing *m_ring = nullptr;
    PausedVeil *m_veil = nullptr;
    StageControls *m_controls = nullptr;
    bool m_active = false;
};
