// SPDX-License-Identifier: GPL-3.0-or-later
#include "fullscreenwindow.h"

#include "windowplacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <utility>

using namespace Qt::StringLiterals;

WindowPlatform WindowPlatform::current()
{
    const QString name = QGuiApplication::platformName();
    const bool wayland = name.startsWith("wayland"_L1);
    return {.positionKnown = !wayland,
            .makesFullScreen = wayland || name == "windows"_L1 || name == "cocoa"_L1,
            .isX11 = name == "xcb"_L1};
}

FullScreenWindow::FullScreenWindow(QWidget &window, WindowPlacement &placement)
    : m_window(window)
    , m_placement(placement)
{
    m_window.installEventFilter(this);
}

bool FullScreenWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &m_window) {
        return QObject::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
        // Its frame as it stands windowed, at its fixed size: what it must have again when it
        // comes back. A window manager's own full screen may show in the geometry first.
        if (m_protocol.state() == FullScreenProtocol::State::WindowedSettled
            && !(m_window.windowState() & ~Qt::WindowActive) && m_window.windowHandle()
            && m_window.isVisible() && m_window.minimumSize() == m_window.maximumSize()
            && m_window.windowHandle()->geometry().size() == m_window.minimumSize()) {
            m_windowedMargins = m_window.windowHandle()->frameMargins();
            m_stoodWindowed = true;
        }
        break;
    case QEvent::ActivationChange:
        qCDebug(lcWindow, "window %s", m_window.isActiveWindow() ? "active" : "inactive");
        break;
    case QEvent::WindowStateChange:
        // Only the platform's own reports; the window's own requests are known already.
        if (event->spontaneous()) {
            m_protocol.report(m_window.windowState());
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void FullScreenWindow::bringForward()
{
    // A state of its own (as showNormal() gives) would drop the full screen it had.
    if (m_window.windowState() & Qt::WindowMinimized) {
        m_window.setWindowState(m_protocol.isFullScreen() ? Qt::WindowFullScreen
                                                          : Qt::WindowNoState);
    }
    m_window.show();
    m_window.raise();
    m_window.activateWindow();
}

bool FullScreenWindow::isSettledWindowed() const
{
    return m_protocol.state() == FullScreenProtocol::State::WindowedSettled && standsWindowed();
}

// A windowed frame of its size, framed as it was: a window manager's own full screen may show in
// the geometry before the state says so, and a title bar lost on the way shows in the margins.
bool FullScreenWindow::standsWindowed() const
{
    if (m_window.windowState() & ~Qt::WindowActive) {
        return false;
    }
    const QWindow *handle = m_window.windowHandle();
    if (!handle) {
        return true;
    }
    const QMargins margins = handle->frameMargins();
    const bool framed = m_stoodWindowed
        ? margins == m_windowedMargins
        : !(m_platform.isX11 && hasWindowManager() && margins.isNull());
    return framed && handle->geometry().size() == m_placement.frameSize().shrunkBy(margins);
}

// The frame it had windowed; where it never stood so, the one it has now.
QMargins FullScreenWindow::windowedMargins() const
{
    const QWindow *handle = m_window.windowHandle();
    return m_stoodWindowed ? m_windowedMargins : (handle ? handle->frameMargins() : QMargins());
}

bool FullScreenWindow::isShown() const
{
    return m_window.isVisible();
}

bool FullScreenWindow::hasWindowManager() const
{
    return m_platform.makesFullScreen || (m_windowManagerSeen && m_platform.isX11);
}

void FullScreenWindow::putFullScreen()
{
    m_putBack = false;
    m_window.setMinimumSize(0, 0);
    m_window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    m_window.showFullScreen();
}

void FullScreenWindow::coverScreen()
{
    m_window.setGeometry(m_window.screen()->geometry());
}

// Still resizable: the size is fixed once it stands windowed. The client takes the size and place
// it had: the frame's margins are the full screen's until the window is framed again, so placing
// the frame would put the client where the frame belongs, and the window would jump when framed.
void FullScreenWindow::putWindowed()
{
    const bool firstPut = !std::exchange(m_putBack, true);
    if (firstPut && !m_stoodWindowed && !m_platform.positionKnown && m_window.isVisible()) {
        // Never shown windowed: shown anew, the compositor places it as at a normal start.
        m_window.hide();
    }
    const QMargins margins = windowedMargins();
    const QSize client = m_placement.frameSize().shrunkBy(margins).expandedTo(QSize(1, 1));
    m_window.showNormal();
    if (!firstPut) {
        // Framed again by now, and offered a size of the compositor's own (mutter): fixed.
        m_window.setFixedSize(client);
    }
    if (m_platform.positionKnown) {
        const QPoint corner = m_placement.windowedFrame().topLeft();
        m_window.setGeometry(QRect(corner + QPoint(margins.left(), margins.top()), client));
    } else {
        m_window.resize(client);
    }
}

// Full screen is the whole screen with no frame left over (a title bar drawn in it shows as
// margins); where the platform keeps positions to itself, only the sizes tell.
bool FullScreenWindow::standsAsAsked(bool fullScreen) const
{
    const QWindow *handle = m_window.windowHandle();
    if (!handle) {
        return true;
    }
    if (!fullScreen) {
        return standsWindowed()
            && (!m_platform.positionKnown
                || handle->frameGeometry().topLeft() == m_placement.windowedFrame().topLeft());
    }
    const QRect screen = m_window.screen()->geometry();
    const QRect client = handle->geometry();
    return (m_window.windowState() & Qt::WindowFullScreen) && handle->frameMargins().isNull()
        && client.size() == screen.size() && (!m_platform.positionKnown || client == screen);
}

void FullScreenWindow::changed(bool fullScreen)
{
    Q_EMIT fullScreenChanged(fullScreen);
}

void FullScreenWindow::settled(bool fullScreen)
{
    if (!fullScreen) {
        // The size it had, not one fitted to margins caught on the way (openbox, after a storm).
        m_window.setFixedSize(
            m_placement.frameSize().shrunkBy(windowedMargins()).expandedTo(QSize(1, 1)));
        // Drawn once more as it stands: a compositor may have shown a frame drawn on the way, the
        // title bar's room taken from the window (mutter).
        m_window.update();
    }
}
