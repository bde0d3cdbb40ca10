// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamesequencer.h"

#include "gameclock.h"
#include "gamelog.h"
#include "randomsource.h"

#include <QPointer>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Whole seconds in ms, a fraction of exactly one half going to the even neighbour.
qint64 roundHalfEvenSeconds(qint64 ms)
{
    const qint64 whole = ms / 1000;
    const qint64 rest = ms % 1000;
    if (rest > 500 || (rest == 500 && whole % 2 != 0)) {
        return whole + 1;
    }
    return whole;
}

// The remaining time at which a countdown showing these seconds first shows another number.
qint64 nextChangeRemaining(qint64 seconds)
{
    if (seconds <= 0) {
        return 0;
    }
    // An even number keeps both of its half-second edges, an odd one neither.
    return seconds * 1000 - (seconds % 2 == 0 ? 501 : 500);
}

const char *onOff(bool enabled)
{
    return enabled ? "1" : "0";
}

bool sameCall(Call a, Call b)
{
    return a.colour == b.colour && a.limb == b.limb;
}

// Numbers from the call tables, ascending and without duplicates; the default for none.
QList<qint16> validNumbers(QList<qint16> numbers, const QList<qint16> &fallback)
{
    numbers.removeIf([](qint16 number) { return number < DrawLower || number > DrawUpper; });
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    return numbers.isEmpty() ? fallback : numbers;
}

// A fair source never needs this many redraws to avoid a repeat; a broken one must not hang us.
constexpr int MaxRedraws = 64;

} // namespace

GameSequencer::GameSequencer(GameClock &clock, RandomSource &random, PlayAndWait playAndWait,
                             Rgb designedDisplayColour, QObject *parent)
    : QObject(parent)
    , m_clock(clock)
    , m_random(random)
    , m_playAndWait(std::move(playAndWait))
{
    m_display.colour = designedDisplayColour;
}

void GameSequencer::start()
{
    if (m_phase != Phase::Idle || m_abandoned) {
        return;
    }
    ++m_generation;
    setButtons(false, true);
    StopGame = false;
    setStatus(GameStatus::Starting);
    m_hasCalled = false;
    m_waitStart = m_clock.now();
    m_waitLength = qint64(m_options.countdownSeconds) * 1000;
    // Started behind a modal window: the ten seconds are the players', so they run once it
    // closes; until then the countdown shows where it will begin.
    m_countdownAwaitsRelease = isSuspended();
    if (m_countdownAwaitsRelease) {
        CountDown = qint16(m_options.countdownSeconds);
        setDisplay(GameDisplay::Kind::Countdown, m_display.colour);
    }
    enterPhase(Phase::Countdown);
}

void GameSequencer::stop()
{
    if (m_phase == Phase::Idle) {
        return;
    }
    // Nothing held back plays after a Stop, whatever held it.
    m_held.clear();
    m_countdownAwaitsRelease = false;
    if (m_paused) {
        // Nor does the rest of a paused game's word: the host asked for quiet.
        m_silencedGeneration = m_generation;
        m_paused = false;
        qCDebug(lcGame, "pause-release");
        Q_EMIT pausedChanged(false);
    }
    ++m_generation;
    StopGame = true;
    enterPhase(Phase::Idle);
    setStatus(GameStatus::Stopped);
    setDisplay(GameDisplay::Kind::Blank, Black);
    setButtons(true, false);
}

void GameSequencer::setOptions(const GameOptions &options)
{
    m_options = options;
    m_options.pauseSeconds = std::clamp(options.pauseSeconds, GameOptions::MinPauseSeconds,
                                        GameOptions::MaxPauseSeconds);
    m_options.countdownSeconds
        = std::clamp(options.countdownSeconds, GameOptions::MinCountdownSeconds,
                     GameOptions::MaxCountdownSeconds);
    const GameOptions defaults;
    m_options.limbs = validNumbers(options.limbs, defaults.limbs);
    m_options.colours = validNumbers(options.colours, defaults.colours);
    // The host who asks for Next doesn't expect one more call on its own, nor to wait for
    // ever once the choice is given up.
    if (m_phase == Phase::Pause && m_options.waitForNext != m_waitsForNext) {
        startPause(m_paused ? m_pausedAt : m_clock.now());
    }
    Q_EMIT optionsChanged(m_options);
}

bool GameSequencer::canRepeatCall() const
{
    return m_phase == Phase::Pause && !isHeld();
}

bool GameSequencer::canCallNext() const
{
    return (m_phase == Phase::Countdown || m_phase == Phase::Pause) && !isHeld();
}

void GameSequencer::noteOffers()
{
    const bool repeatable = canRepeatCall();
    if (repeatable != m_repeatable) {
        m_repeatable = repeatable;
        Q_EMIT repeatableChanged(repeatable);
    }
    const bool nextCallable = canCallNext();
    if (nextCallable != m_nextCallable) {
        m_nextCallable = nextCallable;
        Q_EMIT nextCallableChanged(nextCallable);
    }
}

void GameSequencer::repeatCall()
{
    if (!canRepeatCall()) {
        return;
    }
    qCDebug(lcGame, "repeat");
    sayCall();
}

void GameSequencer::nextCall()
{
    if (!canCallNext()) {
        return;
    }
    qCDebug(lcGame, "next");
    if (m_phase == Phase::Countdown) {
        m_random.reseed(); // as when the countdown runs out
    }
    makeCall();
}

qint64 GameSequencer::waitLength() const
{
    const bool waiting
        = m_phase == Phase::Countdown || (m_phase == Phase::Pause && !m_waitsForNext);
    return waiting ? m_waitLength : 0;
}

qint64 GameSequencer::waitLeft() const
{
    const qint64 now = m_paused ? m_pausedAt : m_clock.now();
    return std::clamp(m_waitStart + waitLength() - now, qint64(0), waitLength());
}

void GameSequencer::abandon()
{
    ++m_generation;
    m_abandoned = true;
    m_paused = false;
    m_held.clear();
    enterPhase(Phase::Idle);
}

void GameSequencer::suspend()
{
    if (m_suspendDepth++ == 0) {
        qCDebug(lcGame, "suspend");
        m_clock.cancelWake();
        noteOffers();
    }
}

void GameSequencer::resume()
{
    if (m_suspendDepth == 0 || --m_suspendDepth > 0) {
        return;
    }
    qCDebug(lcGame, "resume");
    if (!m_paused) {
        release();
    }
}

void GameSequencer::pause()
{
    setPaused(true);
}

void GameSequencer::unpause()
{
    setPaused(false);
}

void GameSequencer::setPaused(bool paused)
{
    if (paused == m_paused || (paused && (m_phase == Phase::Idle || m_abandoned))) {
        return;
    }
    m_paused = paused;
    if (paused) {
        qCDebug(lcGame, "pause-hold");
        m_pausedAt = m_clock.now();
        m_clock.cancelWake();
        m_statusBeforePause = m_status;
        setStatus(GameStatus::Paused);
        noteOffers();
    } else {
        qCDebug(lcGame, "pause-release");
        // The wait under way keeps what it had left; one not begun yet starts whole.
        const qint64 held = m_clock.now() - m_pausedAt;
        m_waitStart += held;
        for (HeldSound &sound : m_held) {
            sound.endedAt = std::min(sound.endedAt, m_pausedAt) + held;
        }
        setStatus(m_statusBeforePause);
    }
    Q_EMIT pausedChanged(paused);
    if (!paused && !isSuspended()) {
        release();
    }
}

void GameSequencer::release()
{
    if (std::exchange(m_countdownAwaitsRelease, false)) {
        m_waitStart = m_clock.now();
    }
    // Sounds that ended meanwhile go on first; a wait whose time ran out then ends at once.
    for (const HeldSound &held : std::exchange(m_held, {})) {
        soundFinished(m_generation, held.sound, held.call, held.endedAt);
    }
    enterPhase(m_phase);
}

// The one place that enters a phase and arms the clock for it.
void GameSequencer::enterPhase(Phase phase)
{
    const bool changed = phase != m_phase;
    m_phase = phase;
    if (changed) {
        Q_EMIT phaseChanged(phase);
    }
    m_clock.cancelWake();
    noteOffers();
    if (isHeld()) {
        return;
    }
    switch (phase) {
    case Phase::Countdown:
        updateCountdown();
        break;
    case Phase::Pause:
        if (!m_waitsForNext) {
            onAlarm();
        }
        break;
    case Phase::Idle:
    case Phase::Limb:
    case Phase::Colour:
        break;
    }
}

void GameSequencer::onAlarm()
{
    if (m_phase == Phase::Countdown) {
        updateCountdown();
        return;
    }
    const qint64 deadline = m_waitStart + m_waitLength;
    if (m_clock.now() >= deadline) {
        makeCall();
    } else {
        m_clock.wakeAt(deadline, [this] { onAlarm(); });
    }
}

void GameSequencer::updateCountdown()
{
    const qint64 remaining = m_waitStart + m_waitLength - m_clock.now();
    if (remaining <= 0) {
        m_random.reseed();
        makeCall();
        return;
    }
    CountDown = qint16(roundHalfEvenSeconds(remaining));
    if (CountDown < 1) {
        setStatus(GameStatus::Blank);
        setDisplay(GameDisplay::Kind::Blank, m_display.colour);
    } else {
        setDisplay(GameDisplay::Kind::Countdown, m_display.colour);
    }
    m_clock.wakeAt(m_waitStart + m_waitLength - nextChangeRemaining(CountDown),
                   [this] { onAlarm(); });
}

void GameSequencer::makeCall()
{
    setStatus(GameStatus::InProgress);
    m_call = drawCall();
    m_hasCalled = true;
    m_callSpoken = m_options.spoken;
    sayCall();
}

void GameSequencer::sayCall()
{
    setDisplay(GameDisplay::Kind::Limb, Black);
    enterPhase(Phase::Limb);
    playSound(m_generation, Sound::Limb, m_call);
}

// The one place a pause begins: timed, or open until Next.
void GameSequencer::startPause(qint64 from)
{
    m_waitStart = from;
    m_waitsForNext = m_options.waitForNext;
    m_waitLength = m_waitsForNext ? 0 : qint64(m_options.pauseSeconds) * 1000;
    if (m_waitsForNext) {
        qCDebug(lcGame, "wait-for-next");
    } else {
        qCDebug(lcGame, "pause %d", m_options.pauseSeconds);
    }
    enterPhase(Phase::Pause);
}

// Colour first, then limb, each uniform over the allowed numbers: with all four allowed this is
// exactly floor(4r + 1).
Call GameSequencer::drawCall()
{
    const auto pick = [this](const QList<qint16> &allowed) {
        const qint16 index = drawNumber(qint16(allowed.size()), DrawLower, m_random.next());
        return allowed.at(index - DrawLower);
    };
    Call call;
    call.colour = pick(m_options.colours);
    call.limb = pick(m_options.limbs);
    const bool repeatForbidden = !m_options.repeatsAllowed && m_hasCalled
        && m_options.colours.size() * m_options.limbs.size() > 1;
    if (!repeatForbidden) {
        return call;
    }
    for (int tries = 0; tries < MaxRedraws && sameCall(call, m_call); ++tries) {
        call.colour = pick(m_options.colours);
        call.limb = pick(m_options.limbs);
    }
    if (sameCall(call, m_call)) {
        // Only a broken random source gets here: step to the next call instead of repeating.
        const auto next = [](const QList<qint16> &allowed, qint16 number) {
            return allowed.at((allowed.indexOf(number) + 1) % allowed.size());
        };
        if (m_options.colours.size() > 1) {
            call.colour = next(m_options.colours, call.colour);
        } else {
            call.limb = next(m_options.limbs, call.limb);
        }
    }
    return call;
}

QString GameSequencer::soundName(Sound sound, Call call)
{
    return sound == Sound::Limb ? limb(call.limb).sound : colour(call.colour).sound;
}

void GameSequencer::playSound(quint64 generation, Sound sound, Call call)
{
    if (!m_callSpoken) {
        // A silent call goes on as if its sound had ended at once.
        soundFinished(generation, sound, call, m_clock.now());
        return;
    }
    const QString name = soundName(sound, call);
    qCDebug(lcGame, "sound-start %s wait", qUtf8Printable(name));
    QPointer<GameSequencer> self(this);
    m_playAndWait(name, [self, generation, sound, call, name] {
        if (self) {
            qCDebug(lcGame, "sound-end %s", qUtf8Printable(name));
            self->soundFinished(generation, sound, call, self->m_clock.now());
        }
    });
}

void GameSequencer::soundFinished(quint64 generation, Sound sound, Call call, qint64 endedAt)
{
    if (isHeld()) {
        // A stopped game's rest is never held for later; the running game's word ended when it
        // did, so the pause after it runs from then.
        if (generation == m_generation) {
            m_held.push_back({sound, call, endedAt});
        }
        return;
    }

    if (generation != m_generation) {
        // A stopped game still finishes the call it was speaking, but shows nothing of it.
        if (sound == Sound::Limb && !m_abandoned && generation != m_silencedGeneration) {
            playSound(generation, Sound::Colour, call);
        }
        return;
    }

    if (sound == Sound::Limb) {
        setDisplay(GameDisplay::Kind::Call, colour(call.colour).rgb);
        enterPhase(Phase::Colour);
        playSound(generation, Sound::Colour, call);
    } else {
        startPause(endedAt);
    }
}

// The window traces the words it shows for these two, so the trace reads as the players see it.
void GameSequencer::setStatus(GameStatus status)
{
    if (status == m_status) {
        return;
    }
    m_status = status;
    Q_EMIT statusChanged(status);
}

// Only what the kind of display needs is kept, so that equal displays compare equal.
void GameSequencer::setDisplay(GameDisplay::Kind kind, Rgb colour)
{
    GameDisplay display;
    display.kind = kind;
    display.colour = colour;
    if (kind == GameDisplay::Kind::Countdown) {
        display.seconds = CountDown;
    } else if (kind == GameDisplay::Kind::Limb) {
        display.call.limb = m_call.limb;
    } else if (kind == GameDisplay::Kind::Call) {
        display.call = m_call;
    }
    if (display == m_display) {
        return;
    }
    m_display = display;
    Q_EMIT displayChanged(display);
}

void GameSequencer::setButtons(bool startEnabled, bool stopEnabled)
{
    if (startEnabled == m_startEnabled && stopEnabled == m_stopEnabled) {
        return;
    }
    m_startEnabled = startEnabled;
    m_stopEnabled = stopEnabled;
    qCDebug(lcGame, "buttons start=%s stop=%s", onOff(startEnabled), onOff(stopEnabled));
    Q_EMIT buttonsChanged(startEnabled, stopEnabled);
}
