// SPDX-License-Identifier: GPL-3.0-or-later
#include "fullscreenprotocol.h"

#include "gameclock.h"

#include <utility>

Q_LOGGING_CATEGORY(lcWindow, "limbora.window", QtWarningMsg)

namespace {

bool isFullScreenState(FullScreenProtocol::State state)
{
    using State = FullScreenProtocol::State;
    return state == State::FullScreenRequested || state == State::FullScreenShown
        || state == State::FullScreenSettled;
}

FullScreenProtocol::State stateOf(bool fullScreen, FullScreenProtocol::State windowed,
                                  FullScreenProtocol::State full)
{
    return fullScreen ? full : windowed;
}

} // namespace

FullScreenProtocol::FullScreenProtocol(Window &window, GameClock &clock)
    : m_window(window)
    , m_clock(clock)
{
}

bool FullScreenProtocol::isFullScreen() const
{
    return isFullScreenState(m_state);
}

bool FullScreenProtocol::isSettling() const
{
    return m_state != State::WindowedSettled && m_state != State::FullScreenSettled;
}

void FullScreenProtocol::request(bool fullScreen)
{
    m_wanted = fullScreen;
    // Once the platform has answered, the next change needn't wait for the window to settle.
    const bool awaitingAnswer
        = m_state == State::WindowedRequested || m_state == State::FullScreenRequested;
    if (!awaitingAnswer && m_wanted != isFullScreen()) {
        startChange(!m_window.isShown());
    }
}

void FullScreenProtocol::report(Qt::WindowStates states)
{
    qCDebug(lcWindow, "reported %s",
            states & Qt::WindowMinimized        ? "minimized"
                : states & Qt::WindowFullScreen ? "full-screen"
                : states & Qt::WindowMaximized  ? "maximized"
                                                : "windowed");
    if (states & Qt::WindowMinimized) {
        m_minimized = true; // a minimised window's state says nothing of its full screen
        return;
    }
    const bool fullScreen = states.testFlag(Qt::WindowFullScreen);
    const bool broughtBack = std::exchange(m_minimized, false);
    const bool applied = isFullScreen();
    switch (m_state) {
    case State::WindowedRequested:
    case State::FullScreenRequested:
        if (fullScreen == applied) { // the answer; anything else is an older change's echo
            setState(stateOf(applied, State::WindowedShown, State::FullScreenShown));
            if (m_wanted != applied) {
                startChange(false);
            }
        }
        break;
    case State::WindowedShown:
    case State::FullScreenShown:
        break; // passing through on the way (a flip, an echo): settling looks where it ended
    case State::WindowedSettled:
    case State::FullScreenSettled:
        if (broughtBack && fullScreen != applied) {
            qCDebug(lcWindow, "brought back %s", applied ? "full-screen" : "windowed");
            startChange(false); // as it stood before it was minimised
        } else if (fullScreen != applied) {
            qCDebug(lcWindow, "full-screen %s by the window manager", fullScreen ? "on" : "off");
            m_wanted = fullScreen;
            startChange(true); // already made: nobody answers it
        } else if (!fullScreen && (states & Qt::WindowMaximized)) {
            qCDebug(lcWindow, "maximize refused");
            startChange(false);
        }
        break;
    }
}

// One change towards the state last asked for. A window not shown yet, or a change the platform
// made itself, gets no answer: it counts as shown at once. Each change has its own retries: those
// spent on a change passed through on the way (a storm of F11) leave the last one its own.
void FullScreenProtocol::startChange(bool answered)
{
    m_retries = 0;
    setState(stateOf(m_wanted, State::WindowedRequested, State::FullScreenRequested));
    if (answered) {
        setState(stateOf(m_wanted, State::WindowedShown, State::FullScreenShown));
    }
}

// The only place that enters a state.
void FullScreenProtocol::setState(State next)
{
    const bool wasFullScreen = isFullScreen();
    const bool fullScreen = isFullScreenState(next);
    m_state = next;
    switch (next) {
    case State::WindowedRequested:
    case State::FullScreenRequested:
        // What the window passes through on its way is not where it stands: look once the
        // platform has had its time.
        m_clock.wakeAt(m_clock.now() + SettleMs, [this] { settle(); });
        put();
        // Putting again, the contents stand as they are.
        if (fullScreen != wasFullScreen) {
            m_window.changed(fullScreen);
        }
        break;
    case State::WindowedShown:
    case State::FullScreenShown:
        break; // the settling bound runs on from the request
    case State::WindowedSettled:
    case State::FullScreenSettled:
        m_clock.cancelWake();
        m_window.settled(fullScreen);
        break;
    }
}

void FullScreenProtocol::put()
{
    if (isFullScreen()) {
        m_window.putFullScreen();
        if (!m_window.hasWindowManager()) {
            m_window.coverScreen();
        }
    } else {
        m_window.putWindowed();
    }
}

// The platform has had its time: the next change starts, or the window must now stand as last
// asked. Where it doesn't (no answer came, an answer to an older request came last, or the answer
// left the window short of the screen), it is put there again, a bounded number of times.
void FullScreenProtocol::settle()
{
    const bool applied = isFullScreen();
    const State settled = stateOf(applied, State::WindowedSettled, State::FullScreenSettled);
    if (m_wanted != applied) {
        startChange(!m_window.isShown());
        return;
    }
    if (!m_window.isShown()) {
        setState(settled);
        return;
    }
    const bool asAsked = m_window.standsAsAsked(applied);
    qCDebug(lcWindow, "settled %s%s", applied ? "full-screen" : "windowed",
            asAsked                      ? ""
                : m_retries < MaxRetries ? ", put again"
                                         : ", left as it is");
    if (asAsked || m_retries >= MaxRetries) {
        setState(settled);
        return;
    }
    // Full screen as the platform answered, yet not covering the screen: a size the window's
    // constraints kept from it (sway), so it covers the screen itself.
    const bool coverToo = applied && m_state == State::FullScreenShown;
    ++m_retries;
    setState(stateOf(applied, State::WindowedRequested, State::FullScreenRequested));
    if (coverToo && m_window.hasWindowManager()) {
        m_window.coverScreen();
    }
}
