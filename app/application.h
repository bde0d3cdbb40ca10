// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include <functional>

class GameClock;
class GameSession;
class HelpLauncher;
class IdleInhibitor;
class MainWindow;
class RandomSource;
class RemoteControl;
class SoundPlayer;
class TerminationWatcher;

// The one owner of the game: it makes the game session and hands it to those who follow or
// drive it, the window, the remote and the screen-awake holder. Whoever asks the window to come
// forward (a second start, a phone) goes through raise(); the desktop's request to end (SIGTERM)
// closes the window as its close box does. Nothing reaches the game through the window.
class Application : public QObject
{
    Q_OBJECT

public:
    struct Parts
    {
        GameClock &clock;
        RandomSource &random;
        SoundPlayer &sounds;
        const HelpLauncher &help;
        QString callSoundFolder; // the language's call words, relative to the sounds' folder
        // Keeps the screen awake where the desktop's bus can't (the X server's screen saver).
        std::function<bool(bool)> screenSaverFallback;
    };

    explicit Application(const Parts &parts, QObject *parent = nullptr);
    ~Application() override;

    GameSession &game() const { return *m_game; }
    MainWindow &window() const { return *m_window; }
    IdleInhibitor &screenAwake() const { return *m_screenAwake; }

    // The window as the options ask: in full screen or as designed.
    void show();
    // Brings the window to the front, unminimized in the state it had, full screen or not.
    void raise();

private:
    // Declared in the order they are made: the game outlives everything that follows it, and
    // the screen-awake holder outlives the window, so that it lets go after the game has ended.
    GameSession *m_game = nullptr;
    IdleInhibitor *m_screenAwake = nullptr;
    MainWindow *m_window = nullptr;
    RemoteControl *m_remote = nullptr;
    TerminationWatcher *m_termination = nullptr;
};
