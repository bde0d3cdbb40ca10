// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowplacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

WindowPlacement::WindowPlacement(QWidget &window)
    : QObject(&window)
    , m_window(window)
{
    m_window.installEventFilter(this);
    connect(&m_fullScreen, &FullScreenWindow::fullScreenChanged, this,
            &WindowPlacement::fullScreenChanged);
    // Logging out: keep the placement even if the session ends us without a close.
    connect(qApp, &QGuiApplication::commitDataRequest, this, &WindowPlacement::save);
}

void WindowPlacement::restore(const QSize &smallest)
{
    QList<QRect> screens;
    QSize largest(0, 0);
    for (const QScreen *screen : QGuiApplication::screens()) {
        screens << screen->availableGeometry();
        largest = largest.expandedTo(screen->availableGeometry().size());
    }
    const QRect frame
        = keepOnScreen(m_store.restore(smallest, screens.isEmpty() ? QSize() : largest), screens);
    m_frameSize = frame.size();
    m_windowedFrame = frame;
    m_window.move(frame.topLeft()); // before the first show this places the frame's corner
    fitClientToFrame();
}

// The placement gives the outer size; the client is what the frame leaves of it. The frame is
// known only once the window manager (or Qt, where it draws the frame) has framed the window, so
// this runs again then.
void WindowPlacement::fitClientToFrame()
{
    const QWindow *handle = m_window.windowHandle();
    const QMargins frame = handle ? handle->frameMargins() : QMargins();
    m_window.setFixedSize(m_frameSize.shrunkBy(frame).expandedTo(QSize(1, 1)));
}

// Where the window stands windowed, as it was put: the user may have dragged it since.
void WindowPlacement::followWindow()
{
    if (m_fullScreen.platform().positionKnown && m_fullScreen.isSettledWindowed()) {
        const QWindow *handle = m_window.windowHandle();
        m_windowedFrame.moveTopLeft(handle ? handle->frameGeometry().topLeft()
                                           : m_window.frameGeometry().topLeft());
    }
}

bool WindowPlacement::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_window
        && (event->type() == QEvent::Move || event->type() == QEvent::Resize)) {
        const QWindow *handle = m_window.windowHandle();
        if (handle && !handle->frameMargins().isNull()) {
            m_fullScreen.noteFramed();
            // Framed for the first time while windowed; on the way back from full screen the
            // size is fitted once the window has settled.
            if (!m_frameFitted && !m_fullScreen.isFullScreen() && !m_fullScreen.isSettling()) {
                m_frameFitted = true;
                fitClientToFrame();
            }
        }
        followWindow();
    }
    return QObject::eventFilter(watched, event);
}

void WindowPlacement::save()
{
    if (m_window.isMinimized()) {
        return; // the placement of the last normal closing stays
    }
    followWindow();
    // The window can't be resized: its size is the one asked for, whoever draws the frame.
    m_store.save(QRect(m_windowedFrame.topLeft(), m_frameSize));
}
