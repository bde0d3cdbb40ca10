// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fullscreenprotocol.h"
#include "steadyclock.h"

#include <QMargins>
#include <QObject>
#include <QSize>

class QWidget;
class WindowPlacement;

// What the platform does with a window, read once from its name.
struct WindowPlatform
{
    // X11 reports and sets a window's position; a Wayland client learns and sets neither.
    bool positionKnown = true;
    // The platform always makes windows full screen itself (Wayland, Windows, macOS); on X11 a
    // window manager shows itself only by framing the window.
    bool makesFullScreen = false;
    bool isX11 = false;

    static WindowPlatform current();
};

// The main window into full screen and back, as FullScreenProtocol asks: the window is resizable
// while it is full screen or on its way back (a compositor may not bring a fixed-size window back
// framed: KWin), and takes its fixed size once it stands windowed again. Where positions are
// known (X11) its client is put back where the frame left it, once; where they aren't (Wayland), a
// window never shown windowed is shown anew for the compositor to place. Whatever the platform
// says of a minimised window, it is brought forward as it stood.
class FullScreenWindow : public QObject, private FullScreenProtocol::Window
{
    Q_OBJECT

public:
    // A member of the placement, which it outlives neither.
    FullScreenWindow(QWidget &window, WindowPlacement &placement);

    void request(bool on) { m_protocol.request(on); }
    bool isRequested() const { return m_protocol.isRequested(); }
    bool isFullScreen() const { return m_protocol.isFullScreen(); }
    bool isSettling() const { return m_protocol.isSettling(); }

    // Out of minimised (a second start, the remote): as it stood, full screen or not.
    void bringForward();

    // Settled windowed and standing so: where it stands now is where the user has it.
    bool isSettledWindowed() const;
    // The window manager framed the window (X11): it makes the window full screen from now on.
    void noteFramed() { m_windowManagerSeen = true; }

    WindowPlatform &platform() { return m_platform; }

Q_SIGNALS:
    void fullScreenChanged(bool on);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool standsWindowed() const;
    QMargins windowedMargins() const;

    bool isShown() const override;
    bool hasWindowManager() const override;
    void putFullScreen() override;
    void coverScreen() override;
    void putWindowed() override;
    bool standsAsAsked(bool fullScreen) const override;
    void changed(bool fullScreen) override;
    void settled(bool fullScreen) override;

    QWidget &m_window;
    WindowPlacement &m_placement;
    WindowPlatform m_platform = WindowPlatform::current();
    bool m_windowManagerSeen = false;
    // The window stood windowed, framed, since it was shown: its frame and client are known, and
    // a window manager knows where to put it back.
    bool m_stoodWindowed = false;
    QMargins m_windowedMargins;
    QSize m_windowedClientSize;
    bool m_putBack = false; // put windowed once since it was last put full screen
    SteadyClock m_clock;
    FullScreenProtocol m_protocol{*this, m_clock};
};
