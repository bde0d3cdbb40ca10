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
    m_settle.setSingleShot(true);
    m_settle.setInterval(SettleMs);
    connect(&m_settle, &QTimer::timeout, this, &WindowPlacement::settled);
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
    return !m_applied && !(m_window.windowState() & (Qt::WindowFullScreen | Qt::WindowMinimized))
        && fixed == m_window.maximumSize() && (!handle || handle->geometry().size() == fixed);
}

// ... and has been seen so since the last change, so where it stands is where it was put.
bool WindowPlacement::isWindowedAsAsked() const
{
    return m_steady && !isSettling() && standsWindowed();
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
        if (!m_frameFitted && m_window.windowHandle()
            && !m_window.windowHandle()->frameMargins().isNull()) {
            m_frameFitted = true;
            fitClientToFrame();
        }
        m_windowedFrame = standingFrame();
        break;
    case QEvent::WindowStateChange:
        // Only the platform's own reports; the window's own requests are known already.
        if (event->spontaneous()) {
            const bool on = m_window.windowState() & Qt::WindowFullScreen;
            if (m_inFlight) {
                if (on == m_applied) { // the answer; anything else is a late echo
                    m_inFlight = false;
                    if (m_wanted != m_applied) {
                        apply();
                    }
                }
            } else if (on != m_applied && !m_settle.isActive()) {
                qCDebug(lcWindow, "full-screen %s by the window manager", on ? "on" : "off");
                m_wanted = on;
                apply();
            }
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
    m_wanted = on;
    if (!m_inFlight && m_wanted != m_applied) {
        apply();
    }
}

// One change, towards the state last asked for.
void WindowPlacement::apply()
{
    if (m_wanted) {
        if (m_window.isVisible()) {
            m_windowedFrame = standingFrame();
        }
        if (m_window.minimumSize() == m_window.maximumSize()) {
            m_windowedClientSize = m_window.minimumSize();
        }
    } else {
        // A window shown before keeps its client; only one never framed is fitted later.
        m_frameFitted = m_frameFitted || m_windowedClientSize.isValid();
    }
    m_applied = m_wanted;
    m_steady = false;
    m_inFlight = m_window.isVisible();
    m_settle.start(); // what the window passes through on its way is not where it stands
    put();
    Q_EMIT fullScreenChanged(m_applied);
}

void WindowPlacement::put()
{
    if (m_applied) {
        putFullScreen();
    } else {
        putWindowed();
    }
}

void WindowPlacement::putFullScreen()
{
    m_window.setMinimumSize(0, 0);
    m_window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    m_window.showFullScreen();
    // Without a window manager nobody else makes the window cover the screen.
    m_window.setGeometry(m_window.screen()->geometry());
}

void WindowPlacement::putWindowed()
{
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

// The window manager has had its time: the next change starts, or the window must now stand as
// last asked. Where it doesn't (an answer to an older request came last), it is put there
// again, a bounded number of times.
void WindowPlacement::settled()
{
    m_inFlight = false;
    if (m_wanted != m_applied) {
        apply();
        return;
    }
    const QWindow *handle = m_window.windowHandle();
    if (!handle || !m_window.isVisible()) {
        m_steady = true;
        return;
    }
    const bool fullScreen = m_window.windowState() & Qt::WindowFullScreen;
    bool asAsked = false;
    if (m_applied) {
        asAsked = fullScreen && handle->geometry() == m_window.screen()->geometry();
    } else {
        asAsked = standsWindowed()
            && (!m_positionKnown || currentFrame().topLeft() == m_windowedFrame.topLeft());
    }
    constexpr int MaxRetries = 3;
    qCDebug(lcWindow, "settled %s%s", m_applied ? "full-screen" : "windowed",
            asAsked                      ? ""
                : m_retries < MaxRetries ? ", put again"
                                         : ", left as it is");
    if (asAsked || m_retries >= MaxRetries) {
        m_retries = 0;
        m_steady = true;
        return;
    }
    ++m_retries;
    m_settle.start();
    put();
}
