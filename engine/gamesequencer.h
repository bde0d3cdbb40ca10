// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gameoptions.h"
#include "gamereport.h"

#include <QObject>
#include <QString>

#include <functional>
#include <vector>

class GameClock;
class RandomSource;

// Runs a game: the countdown (ten seconds unless the options say otherwise), then call after
// call (limb spoken, colour spoken, a pause of seven seconds or as chosen, or a wait for the
// host's Next) until Stop. It is a state machine driven by the clock's alarm and by the end of
// each sound; it never waits in a loop.
// It reports what the window should show through its signals, in numbers rather than words, and
// knows nothing of widgets.
class GameSequencer : public QObject
{
    Q_OBJECT

public:
    // Plays a sound and calls finished once it has ended (or at once if it can't be played).
    using PlayAndWait = std::function<void(const QString &name, std::function<void()> finished)>;

    enum class Phase { Idle, Countdown, Limb, Colour, Pause };
    Q_ENUM(Phase)

    GameSequencer(GameClock &clock, RandomSource &random, PlayAndWait playAndWait,
                  Rgb designedDisplayColour, QObject *parent = nullptr);

    Phase phase() const { return m_phase; }
    bool isSuspended() const { return m_suspendDepth > 0; }
    bool isPaused() const { return m_paused; }
    bool stopGame() const { return StopGame; }
    qint16 countDown() const { return CountDown; }

    GameStatus status() const { return m_status; }
    GameDisplay display() const { return m_display; }
    Rgb displayColour() const { return m_display.colour; }
    bool startEnabled() const { return m_startEnabled; }
    bool stopEnabled() const { return m_stopEnabled; }
    bool repeatable() const { return m_repeatable; }
    bool nextCallable() const { return m_nextCallable; }
    // The wait under way (the countdown or a pause): its length and what is left of it, in ms.
    // Held still while paused; zero and zero while no wait runs or the game waits for Next.
    qint64 waitLength() const;
    qint64 waitLeft() const;

    // Options apply from the next wait or call on; a wait or call under way keeps its own. Wait
    // for Next is the exception: a pause under way stops its time at once when it is chosen, and
    // a wait for Next becomes a whole pause from now when it is given up.
    void setOptions(const GameOptions &options);
    const GameOptions &options() const { return m_options; }

public Q_SLOTS:
    void start();
    void stop();
    // A modal window is open: nothing changes and no sound starts until every suspend is resumed.
    // A game started meanwhile begins its countdown when the last one is resumed.
    void suspend();
    void resume();
    // The host holds the game where it stands: no text changes, no draw, no sound starts (a word
    // being spoken is finished). Unpausing goes on with the time the wait had left. Only a running
    // game pauses; Stop ends a paused game as any other.
    void pause();
    void unpause();
    void setPaused(bool paused);
    // The program is closing: the game ends without a word to the window, and nothing still
    // pending (an alarm, the rest of a call) starts anything more.
    void abandon();
    // Shows and says the current call again, whole, during its pause; the whole pause follows
    // it again. Does nothing during the countdown, while a call is being said, while the game is
    // held, or when no game runs.
    void repeatCall();
    // Makes the next call at once, ending the countdown or the pause (or the wait for Next).
    // A call being said is never cut: meanwhile, while the game is held, or when no game runs,
    // it does nothing.
    void nextCall();

Q_SIGNALS:
    void statusChanged(GameStatus status);
    void displayChanged(const GameDisplay &display);
    void buttonsChanged(bool startEnabled, bool stopEnabled);
    void pausedChanged(bool paused);
    // Whether Repeat Call has a call to repeat now.
    void repeatableChanged(bool repeatable);
    // Whether Next would make a call now.
    void nextCallableChanged(bool nextCallable);
    void phaseChanged(GameSequencer::Phase phase);
    void optionsChanged(const GameOptions &options);

private:
    enum class Sound { Limb, Colour };

    // A sound of the running game that ended while the game was held, to go on from at release.
    struct HeldSound
    {
        Sound sound;
        Call call;
        qint64 endedAt; // on the game's time: the host's pause doesn't count
    };

    void enterPhase(Phase phase);
    // Held by a modal window or by the host's pause: nothing may change or start.
    bool isHeld() const { return isSuspended() || m_paused; }
    // Goes on with what waited while the game was held.
    void release();
    // A call of the running game stands in its pause, and the game isn't held.
    bool canRepeatCall() const;
    // The countdown or a pause runs, and the game isn't held.
    bool canCallNext() const;
    // Reports what Repeat Call and Next would do now, where that changed.
    void noteOffers();
    void onAlarm();
    void updateCountdown();
    void makeCall();
    // Shows and says the current call, limb first; the pause follows its colour.
    void sayCall();
    void startPause(qint64 from);
    Call drawCall();
    static QString soundName(Sound sound, Call call);
    void playSound(quint64 generation, Sound sound, Call call);
    void soundFinished(quint64 generation, Sound sound, Call call, qint64 endedAt);

    void setStatus(GameStatus status);
    void setDisplay(GameDisplay::Kind kind, Rgb colour);
    void setButtons(bool startEnabled, bool stopEnabled);

    GameClock &m_clock;
    RandomSource &m_random;
    PlayAndWait m_playAndWait;

    Phase m_phase = Phase::Idle;
    bool StopGame = false;
    qint16 CountDown = 0;
    qint64 m_waitStart = 0;
    qint64 m_waitLength = 0;
    bool m_waitsForNext = false; // the pause under way has no end of its own
    Call m_call;
    GameOptions m_options;
    bool m_callSpoken = true; // the options of the call under way
    bool m_hasCalled = false; // in this game, so a repeat can be told from the first call
    bool m_repeatable = false; // as last reported
    bool m_nextCallable = false; // as last reported
    // Each Start and Stop begins a new generation; a sound that ends for an older one belongs
    // to a stopped game, which may only finish its own audio.
    quint64 m_generation = 0;

    bool m_abandoned = false;
    int m_suspendDepth = 0;
    bool m_paused = false;
    qint64 m_pausedAt = 0;
    GameStatus m_statusBeforePause = GameStatus::Blank;
    // A game stopped while paused says nothing more, not even the rest of its call.
    quint64 m_silencedGeneration = 0;
    // Only the running game's: a Stop drops them, so nothing held plays after it.
    std::vector<HeldSound> m_held;
    bool m_countdownAwaitsRelease = false; // started while a modal window held the game

    GameStatus m_status = GameStatus::Blank;
    GameDisplay m_display;
    bool m_startEnabled = true;
    bool m_stopEnabled = false;
};
