// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowplacement.h"

#include <QGuiApplication>
#include <QLoggingCategory>
#include <QScreen>
#include <QWidget>
#include <QWindow>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcWindow, "limbora.window", QtWarningMsg)

WindowPlacement::WindowPlacement(QWidget &window)
    : QObject(&window)
    , m_window(window)
    , m_positionKnown(!QGuiApplication::platformName().startsWith("wayland"_L1))
{
    const QString platform = QGuiApplication::platformName();
    m_platformFullScreen
        = platform.startsWith("wayland"_L1) || platform == "windows"_L1 || platform == "cocoa"_L1;
    m_window.installEventFilter(this);
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

QRect WindowPlacement::currentFrame() const
{
    const QWindow *handle = m_window.windowHandle();
    return handle ? handle->frameGeometry() : m_window.frameGeometry();
}

// The window stands as a window of the fixed size it was given: a window manager's own full
// screen may show in its geometry before its state says so.
bool WindowPlacement::standsWindowed() const
{
    const QWindow *handle = m_window.windowHandle();
    const QSize fixed = m_window.minimumSize();
    return !m_protocol.isFullScreen()
        && !(m_window.windowState() & (Qt::WindowFullScreen | Qt::WindowMinimized))
        && fixed == m_window.maximumSize() && (!handle || handle->geometry().size() == fixed);
}

// ... and has been seen so since the last change, so where it stands is where it was put.
bool WindowPlacement::isWindowedAsAsked() const
{
    return m_protocol.state() == FullScreenProtocol::State::WindowedSettled && standsWindowed();
}

// The windowed frame, moved to where the window stands when it stands as it was put: the user
// may have dragged it since.
QRect WindowPlacement::standingFrame() const
{
    QRect frame = m_windowedFrame;
    if (m_positionKnown && isWindowedAsAsked()) {
        frame.moveTopLeft(currentFrame().topLeft());
    }
    return frame;
}

bool WindowPlacement::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &m_window) {
        return QObject::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
        if (m_window.windowHandle() && !m_window.windowHandle()->frameMargins().isNull()) {
            m_windowManagerSeen = true;
            if (!m_frameFitted) {
                m_frameFitted = true;
                fitClientToFrame();
            }
        }
        m_windowedFrame = standingFrame();
        break;
    case QEvent::WindowStateChange:
        // Only the platform's own reports; the window's own requests are known already.
        if (event->spontaneous()) {
            m_protocol.report(m_window.windowState() & Qt::WindowFullScreen);
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void WindowPlacement::save()
{
    if (m_window.isMinimized()) {
        return; // the placement of the last normal closing stays
    }
    QRect frame = standingFrame();
    // The window can't be resized: its size is the one asked for, whoever draws the frame.
    frame.setSize(m_frameSize);
    m_store.save(frame);
}

void WindowPlacement::requestFullScreen(bool on)
{
    m_protocol.request(on);
}

bool WindowPlacement::isShown() const
{
    return m_window.isVisible();
}

// A Wayland compositor (and Windows, and macOS) always makes the window full screen; on X11 a
// window manager shows itself by framing the window (a state report may be Qt's own property
// write). Elsewhere (offscreen, a bare framebuffer) nobody does.
bool WindowPlacement::hasWindowManager() const
{
    return m_platformFullScreen
        || (m_windowManagerSeen && QGuiApplication::platformName() == "xcb"_L1);
}

void WindowPlacement::putFullScreen()
{
    if (m_window.minimumSize() == m_window.maximumSize()) {
        m_windowedClientSize = m_window.minimumSize();
    }
    m_window.setMinimumSize(0, 0);
    m_window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    m_window.showFullScreen();
}

void WindowPlacement::coverScreen()
{
    m_window.setGeometry(m_window.screen()->geometry());
}

void WindowPlacement::putWindowed()
{
    // A window shown before keeps its client; only one never framed is fitted later.
    m_frameFitted = m_frameFitted || m_windowedClientSize.isValid();
    m_window.showNormal();
    // The frame's margins are the full screen's until the window manager frames the window
    // again, so the client takes the size it had, when it had one.
    if (m_windowedClientSize.isValid()) {
        m_window.setFixedSize(m_windowedClientSize);
    } else {
        fitClientToFrame();
    }
    if (m_positionKnown) {
        m_window.move(m_windowedFrame.topLeft());
    }
}

// Full screen is the whole screen with no frame left over (a title bar drawn in it shows as
// margins); where the platform keeps positions to itself, only the sizes tell.
bool WindowPlacement::standsAsAsked(bool fullScreen) const
{
    const QWindow *handle = m_window.windowHandle();
    if (!handle) {
        return true;
    }
    if (!fullScreen) {
        return standsWindowed()
            && (!m_positionKnown || currentFrame().topLeft() == m_windowedFrame.topLeft());
    }
    const QRect screen = m_window.screen()->geometry();
    const QRect client = handle->geometry();
    return (m_window.windowState() & Qt::WindowFullScreen) && handle->frameMargins().isNull()
        && client.size() == screen.size() && (!m_positionKnown || client == screen);
}

void WindowPlacement::changed(bool fullScreen)
{
    Q_EMIT fullScreenChanged(fullScreen);
}
