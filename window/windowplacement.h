// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fullscreenwindow.h"
#include "placementstore.h"

#include <QObject>
#include <QRect>
#include <QSize>

class QWidget;

// Where the main window stands: restored from the settings before it first shows, its client
// fitted to the frame once the window manager has framed it, the windowed frame kept while the
// window is full screen, and saved at closing or when the session ends. The placement kept is
// always the window's own, never the screen's, and never one caught while the window manager is
// between states. Full screen itself is FullScreenWindow's.
class WindowPlacement : public QObject
{
    Q_OBJECT

public:
    explicit WindowPlacement(QWidget &window);

    // Before the first show: the stored frame, on a screen, never smaller than smallest.
    void restore(const QSize &smallest);

    // Saves now (unless minimized); saving again does no harm.
    void save();

    // Where the window should end, whatever it passes through on the way.
    void requestFullScreen(bool on) { m_fullScreen.request(on); }
    bool isFullScreenRequested() const { return m_fullScreen.isRequested(); }
    // Whether the window was last put into full screen, which its contents show.
    bool isFullScreen() const { return m_fullScreen.isFullScreen(); }
    bool isSettling() const { return m_fullScreen.isSettling(); }
    void bringForward() { m_fullScreen.bringForward(); }

    // Whether the platform reports and sets a window's position (Wayland does neither); where it
    // doesn't, the stored position is kept as it was.
    void setPositionKnown(bool known) { m_fullScreen.platform().positionKnown = known; }

    // The outer size the placement asks for: the window can't be resized.
    QSize frameSize() const { return m_frameSize; }
    // Where the window last stood windowed, settled: where it goes back to.
    QRect windowedFrame() const { return m_windowedFrame; }

Q_SIGNALS:
    // The window was just put into full screen or out of it: its contents follow.
    void fullScreenChanged(bool on);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fitClientToFrame();
    void followWindow();

    QWidget &m_window;
    PlacementStore m_store;
    QSize m_frameSize;
    bool m_frameFitted = false;
    QRect m_windowedFrame;
    FullScreenWindow m_fullScreen{m_window, *this};
};
