// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "placementstore.h"

#include <QObject>
#include <QRect>
#include <QSize>
#include <QTimer>

class QWidget;

// Where the main window stands: restored from the settings before it first shows, its client
// fitted to the frame once the window manager has framed it, the windowed frame kept while the
// window is full screen, and saved at closing or when the session ends. The placement kept is
// always the window's own, never the screen's, and never one caught while the window manager is
// between states.
//
// Full screen is asked for here and the window manager answers later, in its own time: requests
// come in and answers come back out of step while keys come fast. Answers that arrive while the
// window is settling are taken as late echoes; once it has settled, the window is put into the
// state last asked for. A change the window manager or compositor makes on its own (its own
// full-screen key, a double click) arrives while settled, and is reported as a request.
class WindowPlacement : public QObject
{
    Q_OBJECT

public:
    // How long the window is given to settle after the last request or answer.
    static constexpr int SettleMs = 400;

    explicit WindowPlacement(QWidget &window);

    // Before the first show: the stored frame, on a screen, never smaller than smallest.
    void restore(const QSize &smallest);

    // Saves now (unless minimized); saving again does no harm.
    void save();

    void enterFullScreen();
    void leaveFullScreen();
    bool isFullScreen() const { return m_fullScreen; }
    bool isSettling() const { return m_settle.isActive(); }

    // Whether the platform reports and sets a window's position (Wayland does neither); where it
    // doesn't, the stored position is kept as it was.
    void setPositionKnown(bool known) { m_positionKnown = known; }

Q_SIGNALS:
    // The window manager or compositor put the window into or out of full screen by itself.
    void fullScreenRequested(bool on);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fitClientToFrame();
    QRect currentFrame() const;
    bool isWindowedAsAsked() const;
    void startSettling();
    void settled();
    void putWindowed();
    void putFullScreen();

    QWidget &m_window;
    PlacementStore m_store;
    QSize m_frameSize; // the outer size the placement asks for; the window can't be resized
    bool m_frameFitted = false;
    bool m_fullScreen = false;
    bool m_positionKnown = true;
    QRect m_windowedFrame; // where the window last stood, settled, outside full screen
    QSize m_windowedClientSize;
    QTimer m_settle;
    int m_retries = 0;
};
