// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fullscreenprotocol.h"
#include "placementstore.h"
#include "steadyclock.h"

#include <QObject>
#include <QRect>
#include <QSize>

class QWidget;

// Where the main window stands: restored from the settings before it first shows, its client
// fitted to the frame once the window manager has framed it, the windowed frame kept while the
// window is full screen, and saved at closing or when the session ends. The placement kept is
// always the window's own, never the screen's, and never one caught while the window manager is
// between states.
//
// Full screen goes through FullScreenProtocol, which this puts into effect on the widget.
class WindowPlacement : public QObject, private FullScreenProtocol::Window
{
    Q_OBJECT

public:
    explicit WindowPlacement(QWidget &window);

    // Before the first show: the stored frame, on a screen, never smaller than smallest.
    void restore(const QSize &smallest);

    // Saves now (unless minimized); saving again does no harm.
    void save();

    // Where the window should end, whatever it passes through on the way.
    void requestFullScreen(bool on);
    bool isFullScreenRequested() const { return m_protocol.isRequested(); }
    // Whether the window was last put into full screen, which its contents show.
    bool isFullScreen() const { return m_protocol.isFullScreen(); }
    bool isSettling() const { return m_protocol.isSettling(); }

    // Whether the platform reports and sets a window's position (Wayland does neither); where it
    // doesn't, the stored position is kept as it was, and a compositor makes the window full
    // screen.
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

    bool isShown() const override;
    bool hasWindowManager() const override;
    void putFullScreen() override;
    void coverScreen() override;
    void putWindowed() override;
    bool standsAsAsked(bool fullScreen) const override;
    void changed(bool fullScreen) override;

    QWidget &m_window;
    PlacementStore m_store;
    QSize m_frameSize; // the outer size the placement asks for; the window can't be resized
    bool m_frameFitted = false;
    bool m_positionKnown = true;
    bool m_platformFullScreen = false; // the platform always makes windows full screen itself
    bool m_windowManagerSeen = false; // an X11 window manager framed the window
    QRect m_windowedFrame; // where the window last stood, settled, outside full screen
    QSize m_windowedClientSize;
    SteadyClock m_clock;
    FullScreenProtocol m_protocol{*this, m_clock};
};
