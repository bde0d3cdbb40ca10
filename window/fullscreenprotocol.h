// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>
#include <Qt>

// Where the window was put, and why: limbora.window.
Q_DECLARE_LOGGING_CATEGORY(lcWindow)

class GameClock;

// Full screen and back, asked of the window manager or compositor, which answers in its own
// time. One change is under way at a time: it is requested, shown once the platform answers (or
// at once where nobody will), and settled once a short bound has passed and the window was seen
// standing as asked. Requests that come before the answer only say where the window should end;
// the next change starts once the current one is shown. A change the platform makes on its own (its
// own full-screen key, a double click) is followed as a request of the user's. Where there is no
// window manager, the window covers the screen itself; where there is one, doing so would fight
// its own full screen. What a platform says of a minimised window is no change of the user's: the
// window comes back as it was. A maximised window is refused: the design has no such state.
class FullScreenProtocol
{
public:
    enum class State {
        WindowedRequested,
        WindowedShown,
        WindowedSettled,
        FullScreenRequested,
        FullScreenShown,
        FullScreenSettled,
    };

    // What the protocol does to the window, and what it reads back.
    class Window
    {
    public:
        virtual ~Window() = default;
        virtual bool isShown() const = 0;
        // A window manager or compositor is known to be there to make windows full screen.
        virtual bool hasWindowManager() const = 0;
        virtual void putFullScreen() = 0;
        // Only where nobody else makes the window cover the screen.
        virtual void coverScreen() = 0;
        virtual void putWindowed() = 0;
        // Whether the window stands as asked, its frame included.
        virtual bool standsAsAsked(bool fullScreen) const = 0;
        // The change was just made: the window's contents follow.
        virtual void changed(bool fullScreen) = 0;
        // The window stands as asked, or was left as it is: a windowed one takes its fixed size.
        virtual void settled(bool fullScreen) = 0;
    };

    // How long the platform is given to answer, and the window to settle after a change.
    static constexpr qint64 SettleMs = 300;
    // How often a window found elsewhere at settling is put again.
    static constexpr int MaxRetries = 3;

    FullScreenProtocol(Window &window, GameClock &clock);

    // The user's request: where the window should end, whatever it passes through on the way.
    void request(bool fullScreen);
    // The platform's own report of the window's state.
    void report(Qt::WindowStates states);

    State state() const { return m_state; }
    bool isRequested() const { return m_wanted; }
    bool isFullScreen() const;
    bool isSettling() const;

private:
    void setState(State next);
    void startChange(bool answered);
    void settle();
    void put();

    Window &m_window;
    GameClock &m_clock;
    State m_state = State::WindowedSettled;
    bool m_wanted = false;
    bool m_minimized = false;
    int m_retries = 0;
};
