// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class GameSequencer;
class QTimer;

// In full screen, a quiet sign of the time to the next call: a ring that empties over the
// countdown and over each pause (none while the game waits for Next). It reads the time left from
// the game each time it draws and redraws only itself, a few times a second at most, while a wait
// runs and the game isn't held.
class NextCallRing : public QWidget
{
    Q_OBJECT

public:
    // No more often than this, however short the wait.
    static constexpr int LeastIntervalMs = 250;

    NextCallRing(GameSequencer *sequencer, QWidget *parent = nullptr);

    void setActive(bool active);
    // What is left of the wait, 0 to 1, as drawn last; negative while it shows nothing.
    qreal shownFraction() const { return m_fraction; }
    bool isTicking() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void follow();
    void refresh();

    GameSequencer *m_sequencer;
    QTimer *m_timer = nullptr;
    bool m_active = false;
    qreal m_fraction = -1;
};
