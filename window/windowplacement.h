// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "placementstore.h"

#include <QLoggingCategory>
#include <QObject>
#include <QRect>
#include <QSize>
#include <QTimer>

// Where the window was put, and why: limbora.window.
Q_DECLARE_LOGGING_CATEGORY(lcWindow)

class QWidget;

// Where the main window stands: restored from the settings before it first shows, its client
// fitted to the frame once the window manager has framed it, the windowed frame kept while the
// window is full screen, and saved at closing or when the session ends. The placement kept is
// always the window's own, never the screen's, and never one caught while the window manager is
// between states.
//
// Full screen is asked of the window manager, which answers in its own time. One change is under
// way at a time: requests that come meanwhile only say where the window should end, and the next
// change starts once the window manager has answered (or a short bound has passed). When it
// has settled, the window is checked to stand as asked, and asked again if it doesn't. A change
// the window manager or compositor makes on its own (its own full-screen key, a double click)
// is taken as a request of the user's.
class WindowPlacement : public QObject
{
    Q_OBJECT

public:
    // How long the window manager is given to answer, and the window to settle after a change.
    static constexpr int SettleMs = 300;

    explicit WindowPlacement(QWidget &window);

    // Before the first show: the stored frame, on a screen, never smaller than smallest.
    void restore(const QSize &smallest);

    // Saves now (unless minimized); saving again does no harm.
    void save();

    // Where the window should end, whatever it passes through on the way.
    void requestFullScreen(bool on);
    bool isFullScreenRequested() const { return m_wanted; }
    // Whether the window was last put into full screen, which its contents show.
    bool isFullScreen() const { return m_applied; }
    bool isSettling() const { return m_inFlight || m_settle.isActive(); }

    // Whether the platform reports and sets a window's position (Wayland does neither); where it
    // doesn't, the stored position is kept as it was.
    void setPositionKnown(bool known) { m_positionKnown = known; }

Q_SIGNALS:
    // The window was just put into full screen or out of it: its contents follow.
    void fullScreenChanged(bool on);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fitClientToFrame();
    QRect currentFrame() const;
    bool standsWindowed() const;
    bool isWindowedAsAsked() const;
    QRect standingFrame() const;
    void apply();
    void settled();
    void put();
    void putWindowed();
    void putFullScreen();

    QWidget &m_window;
    PlacementStore m_store;
    QSize m_frameSize; // the outer size the placement asks for; the window can't be resized
    bool m_frameFitted = false;
    bool m_wanted = false; // as the last request asked
    bool m_applied = false; // as the window was last put
    bool m_inFlight = false; // the window manager hasn't answered the last change yet
    bool m_steady = true; // seen standing as asked since the last change
    bool m_positionKnown = true;
    QRect m_windowedFrame; // where the window last stood, settled, outside full screen
    QSize m_windowedClientSize;
    QTimer m_settle;
    int m_retries = 0;
};
