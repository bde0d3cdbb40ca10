// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamedoubles.h"
#include "gamelog.h"
#include "gamewords.h"
#include "tracecapture.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

constexpr Rgb Designed{1, 2, 3};
constexpr Rgb Yellow{255, 205, 0};

GameDisplay reported(const QList<QVariant> &change)
{
    return change.at(0).value<GameDisplay>();
}

QString shown(const QList<QVariant> &change)
{
    return GameWords::display(reported(change));
}

// r values that draw the given number.
constexpr float drawn(int number)
{
    return (float(number) - 1.0f) / 4.0f + 0.1f;
}

struct Game
{
    FakeClock clock;
    ScriptedRandom random;
    FakeSpeaker speaker{clock};
    GameSequencer sequencer{clock, random, speaker.player(), Designed};
    qint64 started = clock.now();

    void start()
    {
        started = clock.now();
        sequencer.start();
    }
    void at(qint64 sinceStart) { clock.advanceTo(started + sinceStart); }
    // Every call word ends by itself this long after it began.
    void wordsLast(qint64 ms)
    {
        for (const QString &name : callSounds()) {
            speaker.lengths.insert(name, ms);
        }
    }
    // What the window would show: the reports in the designed English.
    QString status() const { return GameWords::status(sequencer.status()); }
    QString displayText() const { return GameWords::display(sequencer.display()); }
    // Colour first, then limb: that is the order of the draw.
    void nextCall(int colourNumber, int limbNumber)
    {
        random.values = {drawn(colourNumber), drawn(limbNumber)};
    }
};

} // namespace

class TestGameSequencer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { game = std::make_unique<Game>(); }

    void startsIdle()
    {
        QCOMPARE(game->sequencer.phase(), GameSequencer::Phase::Idle);
        QVERIFY(game->sequencer.startEnabled());
        QVERIFY(!game->sequencer.stopEnabled());
        QCOMPARE(game->sequencer.displayColour(), Designed);
    }

    void countdownTexts_data()
    {
        QTest::addColumn<qint64>("elapsed");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("display");

        const QString starting = u"The game will start"_s;
        QTest::newRow("at start") << 0LL << starting << u"in 10 seconds..."_s;
        QTest::newRow("9.5 s left rounds to even 10") << 500LL << starting << u"in 10 seconds..."_s;
        QTest::newRow("just under 9.5 s left") << 501LL << starting << u"in 9 seconds..."_s;
        QTest::newRow("8.501 s left") << 1499LL << starting << u"in 9 seconds..."_s;
        QTest::newRow("8.5 s left rounds to even 8") << 1500LL << starting << u"in 8 seconds..."_s;
        QTest::newRow("7.5 s left rounds to even 8") << 2500LL << starting << u"in 8 seconds..."_s;
        QTest::newRow("7.499 s left") << 2501LL << starting << u"in 7 seconds..."_s;
        QTest::newRow("1.5 s left rounds to even 2") << 8500LL << starting << u"in 2 seconds..."_s;
        QTest::newRow("one second, plural as written")
            << 9000LL << starting << u"in 1 seconds..."_s;
        QTest::newRow("0.501 s left") << 9499LL << starting << u"in 1 seconds..."_s;
        QTest::newRow("last half second blank") << 9500LL << QString() << QString();
        QTest::newRow("1 ms left") << 9999LL << QString() << QString();
        QTest::newRow("first call") << 10000LL << u"(Game in progress)"_s << u"LEFT HAND "_s;
    }

    void countdownTexts()
    {
        QFETCH(qint64, elapsed);
        QFETCH(QString, status);
        QFETCH(QString, display);

        game->start();
        game->at(elapsed);
        QCOMPARE(game->status(), status);
        QCOMPARE(game->displayText(), display);
        QVERIFY(game->speaker.started.size() == (elapsed >= 10000 ? 1 : 0));
    }

    void countdownChangesOnlyWhenTheNumberDoes()
    {
        QSignalSpy display(&game->sequencer, &GameSequencer::displayChanged);
        game->start();
        game->at(9999);
        // 10 down to 1, then blank: one change each, whatever the clock's alarms were.
        QCOMPARE(display.count(), 11);
        QCOMPARE(shown(display.first()), u"in 10 seconds..."_s);
        QCOMPARE(shown(display.last()), QString());
        for (const auto &change : display) {
            QCOMPARE(reported(change).colour, Designed);
        }
        QCOMPARE(game->sequencer.countDown(), qint16(0));
    }

    void callShowsLimbInBlackThenWholeCallInColour()
    {
        QSignalSpy display(&game->sequencer, &GameSequencer::displayChanged);
        game->nextCall(2, 4); // yellow, right foot
        game->start();
        game->at(10000);

        QCOMPARE(game->displayText(), u"RIGHT FOOT "_s);
        QCOMPARE(game->sequencer.displayColour(), Black);
        QCOMPARE(game->speaker.started, QStringList{u"rightfoot.wav"_s});
        QCOMPARE(game->random.reseeds, 1);

        display.clear();
        game->speaker.finish();
        QCOMPARE(display.count(), 1);
        QCOMPARE(shown(display.first()), u"RIGHT FOOT YELLOW"_s);
        QCOMPARE(reported(display.first()).colour, Yellow);
        QCOMPARE(game->speaker.started, (QStringList{u"rightfoot.wav"_s, u"yellow.wav"_s}));
        QCOMPARE(game->sequencer.phase(), GameSequencer::Phase::Colour);
    }

    void pauseLastsSevenSecondsAfterTheColourEnds()
    {
        game->nextCall(1, 1);
        game->start();
        game->at(10000);
        game->clock.advanceBy(1234); // however long the limb takes
        game->speaker.finish();
        game->clock.advanceBy(567);
        game->speaker.finish();
        const qint64 pauseStart = game->clock.now();
        QCOMPARE(game->sequencer.phase(), GameSequencer::Phase::Pause);

        game->nextCall(3, 2);
        game->clock.advanceTo(pauseStart + 6999);
        QCOMPARE(game->speaker.started.size(), 2);
        QCOMPARE(game->displayText(), u"LEFT HAND GREEN"_s);
        game->clock.advanceTo(pauseStart + 7000);
        QCOMPARE(game->speaker.started.last(), u"righthand.wav"_s);
        QCOMPARE(game->displayText(), u"RIGHT HAND "_s);
        QCOMPARE(game->status(), u"(Game in progress)"_s);
    }

    void tenMinuteGameKeepsItsRhythm()
    {
        game->speaker.lengths
            = {{u"lefthand.wav"_s, 900},  {u"righthand.wav"_s, 900}, {u"leftfoot.wav"_s, 900},
               {u"rightfoot.wav"_s, 900}, {u"green.wav"_s, 600},     {u"yellow.wav"_s, 600},
               {u"blue.wav"_s, 600},      {u"red.wav"_s, 600}};
        game->random.values = {0.0f, 0.3f, 0.6f, 0.9f, 0.99f, 0.45f, 0.2f};
        game->start();
        game->at(10 * 60 * 1000);

        // First call at 10 s, then one every 0.9 + 0.6 + 7 s.
        const auto &starts = game->speaker.startTimes;
        QCOMPARE(starts.size() % 2, 0);
        QCOMPARE(starts.size() / 2, int((600000 - 10000) / 8500) + 1);
        for (int i = 0; i < starts.size(); i += 2) {
            QCOMPARE(starts[i] - game->started, 10000 + qint64(i / 2) * 8500);
            QCOMPARE(starts[i + 1] - starts[i], 900);
        }
        QCOMPARE(game->random.reseeds, 1);
    }

    // Wherever Stop comes, the game ends at once: blank words, a black display, Start offered,
    // and nothing more said or waited for.
    void stopEndsTheGameAtOnce_data()
    {
        QTest::addColumn<int>("wordsSaid");
        QTest::addColumn<qint64>("stopAt");
        QTest::newRow("countdown") << 0 << 3000LL;
        QTest::newRow("pause") << 2 << 13000LL;
    }

    void stopEndsTheGameAtOnce()
    {
        QFETCH(int, wordsSaid);
        QFETCH(qint64, stopAt);
        QSignalSpy buttons(&game->sequencer, &GameSequencer::buttonsChanged);
        game->start();
        game->at(stopAt - 3000);
        for (int i = 0; i < wordsSaid; ++i) {
            game->speaker.finish();
        }
        game->at(stopAt);
        game->sequencer.stop();
        QCOMPARE(game->status(), u"(Game stopped)"_s);
        QCOMPARE(game->displayText(), QString());
        QCOMPARE(game->sequencer.displayColour(), Black);
        QVERIFY(game->sequencer.stopGame());
        QCOMPARE(buttons.count(), 2);
        QCOMPARE(buttons.last(), (QVariantList{true, false}));

        game->at(stopAt + 60000);
        QCOMPARE(game->speaker.started.size(), wordsSaid);
        QVERIFY(!game->clock.hasAlarm());
        QCOMPARE(game->status(), u"(Game stopped)"_s);
    }

    void stopWhileLimbIsSpokenStillSpeaksColourButNeverShowsIt()
    {
        game->nextCall(4, 1);
        game->start();
        game->at(10000);
        QSignalSpy display(&game->sequencer, &GameSequencer::displayChanged);
        QSignalSpy status(&game->sequencer, &GameSequencer::statusChanged);
        game->sequencer.stop();
        QCOMPARE(display.count(), 1);
        QCOMPARE(game->displayText(), QString());
        QVERIFY(game->sequencer.startEnabled());

        game->clock.advanceBy(800);
        game->speaker.finish();
        QCOMPARE(game->speaker.started, (QStringList{u"lefthand.wav"_s, u"red.wav"_s}));
        game->speaker.finish();
        game->clock.advanceBy(60000);

        QCOMPARE(display.count(), 1);
        QCOMPARE(status.count(), 1);
        QCOMPARE(game->speaker.started.size(), 2);
        QVERIFY(game->speaker.pending.empty());
    }

    void stopThenStartWithinPauseBeginsAFreshCountdown()
    {
        game->start();
        game->at(10000);
        game->speaker.finish();
        game->speaker.finish();
        game->clock.advanceBy(2000);
        game->sequencer.stop();
        game->clock.advanceBy(1000);
        game->start();

        QCOMPARE(game->sequencer.phase(), GameSequencer::Phase::Countdown);
        QCOMPARE(game->displayText(), u"in 10 seconds..."_s);
        QCOMPARE(game->sequencer.displayColour(), Black); // the stop left it black
        QVERIFY(!game->sequencer.stopGame());

        // The old pause would have ended 4 s from now: nothing happens then.
        game->at(9999);
        QCOMPARE(game->speaker.started.size(), 2);
        game->at(10000);
        QCOMPARE(game->speaker.started.size(), 3);
        QCOMPARE(game->random.reseeds, 2);
    }

    void stoppedGameFinishingItsAudioDoesNotDisturbTheNextGame()
    {
        game->nextCall(1, 3);
        game->start();
        game->at(10000);
        game->sequencer.stop();
        game->start(); // while the old limb is still being spoken
        game->speaker.finish();
        QCOMPARE(game->speaker.started.last(), u"green.wav"_s);
        game->speaker.finish();
        QCOMPARE(game->sequencer.phase(), GameSequencer::Phase::Countdown);
        QCOMPARE(game->displayText(), u"in 10 seconds..."_s);
        game->at(10000);
        QCOMPARE(game->sequencer.phase(), GameSequencer::Phase::Limb);
    }

    void startAndStopOnlyActWhereTheirButtonIsEnabled()
    {
        QSignalSpy status(&game->sequencer, &GameSequencer::statusChanged);
        game->sequencer.stop();
        QCOMPARE(status.count(), 0);
        game->start();
        game->at(4000);
        game->sequencer.start();
        QCOMPARE(game->displayText(), u"in 6 seconds..."_s);
        QCOMPARE(status.count(), 1);
    }

    void suspendedPauseEndsAtOnceOnResume()
    {
        game->start();
        game->at(10000);
        game->speaker.finish();
        game->speaker.finish();
        QSignalSpy display(&game->sequencer, &GameSequencer::displayChanged);
        game->clock.advanceBy(2000);
        game->sequencer.suspend();
        game->clock.advanceBy(60000);
        QCOMPARE(display.count(), 0);
        QCOMPARE(game->speaker.started.size(), 2);

        game->sequencer.resume();
        QCOMPARE(game->speaker.started.size(), 3);
        QCOMPARE(game->speaker.startTimes.last(), game->clock.now());
        QCOMPARE(display.count(), 1);
    }

    void suspendedCountdownKeepsItsTextsUntilResume()
    {
        game->start();
        game->at(2000);
        game->sequencer.suspend();
        game->at(30000);
        QCOMPARE(game->displayText(), u"in 8 seconds..."_s);
        QCOMPARE(game->status(), u"The game will start"_s);
        QVERIFY(game->speaker.started.isEmpty());
        game->sequencer.resume();
        QCOMPARE(game->status(), u"(Game in progress)"_s);
        QCOMPARE(game->speaker.started.size(), 1);
    }

    void soundEndingWhileSuspendedGoesOnAtResume()
    {
        game->nextCall(3, 2);
        game->start();
        game->at(10000);
        // The About box inside the About box: both must close before the game goes on.
        game->sequencer.suspend();
        game->sequencer.suspend();
        game->speaker.finish();
        QCOMPARE(game->displayText(), u"RIGHT HAND "_s);
        QCOMPARE(game->speaker.started.size(), 1);
        game->sequencer.resume();
        QCOMPARE(game->speaker.started.size(), 1);
        game->sequencer.resume();
        QCOMPARE(game->displayText(), u"RIGHT HAND BLUE"_s);
        QCOMPARE(game->speaker.started.last(), u"blue.wav"_s);
        game->sequencer.resume(); // one too many changes nothing
        QVERIFY(!game->sequencer.isSuspended());
    }

    // Nothing held plays after a Stop, whichever came first, the Stop or the window; a game
    // started behind the window counts down its ten seconds once the window has closed.
    void nothingHeldPlaysAfterAStop_data()
    {
        QTest::addColumn<bool>("stopFirst");
        QTest::addColumn<bool>("paused");
        QTest::addColumn<bool>("startAgain");
        QTest::newRow("stop behind the window") << false << false << false;
        QTest::newRow("stop, then the window") << true << false << false;
        QTest::newRow("paused, stop behind the window") << false << true << false;
        QTest::newRow("stop and start behind the window") << false << false << true;
        QTest::newRow("paused, stop and start behind the window") << false << true << true;
    }

    void nothingHeldPlaysAfterAStop()
    {
        QFETCH(bool, stopFirst);
        QFETCH(bool, paused);
        QFETCH(bool, startAgain);
        game->wordsLast(500);
        game->start();
        game->at(10200); // the limb is being said
        if (paused) {
            game->sequencer.pause();
        }
        if (stopFirst) {
            game->sequencer.stop();
            game->sequencer.suspend();
        } else {
            game->sequencer.suspend();
            game->sequencer.stop();
        }
        if (startAgain) {
            game->start();
            QCOMPARE(game->status(), u"The game will start"_s);
            QCOMPARE(game->displayText(), u"in 10 seconds..."_s);
        }
        game->clock.advanceBy(30000); // the limb ends behind the window
        QCOMPARE(game->speaker.started.size(), 1);
        game->sequencer.resume();
        QCOMPARE(game->speaker.started.size(), 1);
        const qint64 closed = game->clock.now();
        game->clock.advanceTo(closed + 9999);
        QCOMPARE(game->speaker.started.size(), 1);
        game->clock.advanceTo(closed + 10000);
        QCOMPARE(game->speaker.started.size(), startAgain ? 2 : 1);
        QCOMPARE(game->speaker.overlap(), QString());
    }

    // A word that ends behind a window ends when it does: the pause runs from there, and a pause
    // that ran out meanwhile ends when the window closes. The host's pause stops the game's time.
    void wordEndsWhenItEnds_data()
    {
        // Since the colour word's end: s suspend (a window opens), r resume, p pause, u unpause.
        QTest::addColumn<QString>("steps");
        QTest::addColumn<qint64>("nextCall");
        QTest::newRow("window closed within the pause") << u"s-300 r3000"_s << 7000LL;
        QTest::newRow("window closed after the pause") << u"s-300 r60000"_s << 60000LL;
        QTest::newRow("host's pause") << u"p-100 u60000"_s << 67000LL;
        QTest::newRow("host's pause behind the window")
            << u"s-300 p2000 u30000 r31000"_s << 35000LL;
    }

    void wordEndsWhenItEnds()
    {
        QFETCH(QString, steps);
        QFETCH(qint64, nextCall);
        const QHash<QChar, void (GameSequencer::*)()> actions{{u's', &GameSequencer::suspend},
                                                              {u'r', &GameSequencer::resume},
                                                              {u'p', &GameSequencer::pause},
                                                              {u'u', &GameSequencer::unpause}};
        game->wordsLast(500);
        game->start();
        const qint64 wordEnd = game->started + 11000; // limb 10.0-10.5 s, colour 10.5-11.0 s
        for (const QString &step : steps.split(u' ')) {
            game->clock.advanceTo(wordEnd + step.mid(1).toLongLong());
            (game->sequencer.*actions.value(step.at(0)))();
        }
        game->clock.advanceTo(wordEnd + 100000);
        QVERIFY(game->speaker.startTimes.size() >= 3);
        QCOMPARE(game->speaker.startTimes.at(2) - wordEnd, nextCall);
    }

    // The host's pause holds a wait with the time it had left: nothing is shown, drawn or said
    // meanwhile, and afterwards exactly one call comes, on time.
    void pauseKeepsTheTimeAWaitHadLeft_data()
    {
        QTest::addColumn<qint64>("pauseAt"); // since Start; the first call's words take 1 s
        QTest::addColumn<qint64>("length");
        QTest::addColumn<qint64>("left");
        QTest::newRow("countdown") << 3000LL << 10000LL << 7000LL;
        QTest::newRow("countdown's blank last half second") << 9700LL << 10000LL << 300LL;
        QTest::newRow("pause after a call") << 13000LL << 7000LL << 5000LL;
    }

    void pauseKeepsTheTimeAWaitHadLeft()
    {
        QFETCH(qint64, pauseAt);
        QFETCH(qint64, length);
        QFETCH(qint64, left);
        game->wordsLast(500);
        QSignalSpy paused(&game->sequencer, &GameSequencer::pausedChanged);
        game->start();
        game->at(pauseAt);
        const QString status = game->status();
        const QString display = game->displayText();
        const qsizetype sounds = game->speaker.started.size();
        game->sequencer.pause();
        QVERIFY(game->sequencer.isPaused());
        QCOMPARE(game->status(), u"(Game paused)"_s);
        QCOMPARE(game->sequencer.waitLeft(), left);
        QSignalSpy displays(&game->sequencer, &GameSequencer::displayChanged);
        game->at(pauseAt + 20000);
        QCOMPARE(displays.count(), 0);
        QCOMPARE(game->speaker.started.size(), sounds);
        // What the window shows as left stands still.
        QCOMPARE(game->sequencer.waitLength(), length);
        QCOMPARE(game->sequencer.waitLeft(), left);

        game->sequencer.unpause();
        QCOMPARE(game->status(), status);
        QCOMPARE(game->displayText(), display);
        game->at(pauseAt + 20000 + left - 1);
        QCOMPARE(game->speaker.started.size(), sounds);
        game->at(pauseAt + 20000 + left);
        QCOMPARE(game->speaker.started.size(), sounds + 1);
        QCOMPARE(paused.count(), 2);
        QCOMPARE(paused.at(0).at(0).toBool(), true);
        QCOMPARE(paused.at(1).at(0).toBool(), false);
    }

    // No wait is under way while a call is made or once stopped; the phases come in order.
    void waitIsReportedWithItsPhase()
    {
        game->wordsLast(500);
        QSignalSpy phases(&game->sequencer, &GameSequencer::phaseChanged);
        game->start();
        game->at(10200); // the limb is being said
        QCOMPARE(game->sequencer.waitLength(), 0LL);
        QCOMPARE(game->sequencer.waitLeft(), 0LL);
        game->at(13000);
        game->sequencer.stop();
        QCOMPARE(game->sequencer.waitLength(), 0LL);
        QCOMPARE(game->sequencer.waitLeft(), 0LL);
        using Phase = GameSequencer::Phase;
        QList<Phase> entered;
        for (const QList<QVariant> &change : phases) {
            entered << change.at(0).value<Phase>();
        }
        QCOMPARE(entered,
                 (QList<Phase>{Phase::Countdown, Phase::Limb, Phase::Colour, Phase::Pause,
                               Phase::Idle}));
    }

    // Next and Repeat Call in each phase, in either pace: the limbs said from the moment asked up
    // to 14 s on, each whole and none over another. Words last 0.5 s: the first call's limb at
    // 10 s, colour 10.5 s, pause 11 to 18 s.
    void nextAndRepeat_data()
    {
        QTest::addColumn<bool>("waitForNext");
        QTest::addColumn<char>("action"); // n: Next, r: Repeat, w: Wait for Next toggled
        QTest::addColumn<qint64>("at");
        QTest::addColumn<char>("hold"); // p: paused, m: modal window
        QTest::addColumn<QList<qint64>>("limbs");
        using L = QList<qint64>;
        QTest::newRow("next, countdown") << false << 'n' << 3000LL << '-' << L{3000, 11000};
        QTest::newRow("next, colour") << false << 'n' << 10700LL << '-' << L{18000};
        QTest::newRow("next, pause") << false << 'n' << 13000LL << '-' << L{13000, 21000};
        QTest::newRow("next, modal") << false << 'n' << 13000LL << 'm' << L{18000, 26000};
        QTest::newRow("repeat late") << false << 'r' << 17400LL << '-' << L{17400, 25400};
        QTest::newRow("repeat, limb") << false << 'r' << 10200LL << '-' << L{18000};
        QTest::newRow("wait, countdown runs out") << true << 'r' << 5000LL << '-' << L{10000};
        QTest::newRow("wait, next in pause") << true << 'n' << 13000LL << '-' << L{13000};
        QTest::newRow("wait, paused") << true << 'n' << 13000LL << 'p' << L{};
        QTest::newRow("wait chosen in a pause") << false << 'w' << 13000LL << '-' << L{};
        QTest::newRow("wait given up: whole pause") << true << 'w' << 60000LL << '-' << L{67000};
    }

    void nextAndRepeat()
    {
        QFETCH(bool, waitForNext);
        QFETCH(char, action);
        QFETCH(qint64, at);
        QFETCH(char, hold);
        QFETCH(QList<qint64>, limbs);
        GameOptions options;
        options.waitForNext = waitForNext;
        GameSequencer &sequencer = game->sequencer;
        sequencer.setOptions(options);
        game->wordsLast(500);
        game->start();
        game->at(at);
        if (hold == 'p' || hold == 'm') {
            hold == 'p' ? sequencer.pause() : sequencer.suspend();
        }
        const bool saysNow = limbs.value(0) == at;
        const qsizetype before = game->speaker.started.size();
        if (action == 'n') {
            QCOMPARE(sequencer.nextCallable(), saysNow);
            sequencer.nextCall();
        } else if (action == 'r') {
            QCOMPARE(sequencer.repeatable(), saysNow);
            sequencer.repeatCall();
        } else {
            options.waitForNext = !waitForNext;
            sequencer.setOptions(options);
        }
        if (hold == 'p' || hold == 'm') {
            hold == 'p' ? sequencer.unpause() : sequencer.resume();
        }
        game->at(at + 14000);

        QList<qint64> said;
        const QStringList &names = game->speaker.started;
        const QList<qint64> &times = game->speaker.startTimes;
        for (qsizetype i = before; i < names.size(); ++i) {
            if (names[i].contains(u"hand"_s) || names[i].contains(u"foot"_s)) {
                said << times[i] - game->started;
                QCOMPARE(times.value(i + 1), times[i] + 500); // said whole: its colour follows
            }
        }
        QCOMPARE(said, limbs);
        QVERIFY(action != 'r' || !saysNow || names.at(before) == names.at(0)); // the same call
        QVERIFY2(game->speaker.overlap().isEmpty(), qPrintable(game->speaker.overlap()));
        if (sequencer.phase() == GameSequencer::Phase::Pause && !limbs.isEmpty()) {
            // The ring shows a wait only where one runs.
            QCOMPARE(sequencer.waitLength() == 0, sequencer.options().waitForNext);
        }
    }

    void pauseLetsTheWordBeingSpokenFinishAndHoldsTheNext()
    {
        game->nextCall(3, 2);
        game->start();
        game->at(10000);
        game->sequencer.pause();
        game->sequencer.pause(); // once is enough
        game->sequencer.repeatCall(); // nothing to repeat while held
        game->speaker.finish();
        QCOMPARE(game->displayText(), u"RIGHT HAND "_s);
        QCOMPARE(game->speaker.started.size(), 1);
        game->clock.advanceBy(30000);
        game->sequencer.unpause();
        QCOMPARE(game->displayText(), u"RIGHT HAND BLUE"_s);
        QCOMPARE(game->speaker.started.last(), u"blue.wav"_s);
        game->speaker.finish();
        const qint64 pauseStart = game->clock.now();
        game->clock.advanceTo(pauseStart + 6999);
        QCOMPARE(game->speaker.started.size(), 2);
        game->clock.advanceTo(pauseStart + 7000);
        QCOMPARE(game->speaker.started.size(), 3);
    }

    void stopEndsAPausedGameAndNothingMoreIsSaid()
    {
        game->sequencer.pause(); // no game: nothing to pause
        QVERIFY(!game->sequencer.isPaused());
        game->start();
        game->at(10000);
        game->sequencer.pause();
        QSignalSpy paused(&game->sequencer, &GameSequencer::pausedChanged);
        game->sequencer.stop();
        QCOMPARE(game->status(), u"(Game stopped)"_s);
        QCOMPARE(game->displayText(), QString());
        QVERIFY(!game->sequencer.isPaused());
        QCOMPARE(paused.count(), 1);
        QVERIFY(game->sequencer.startEnabled() && !game->sequencer.stopEnabled());
        game->speaker.finish(); // the limb that was being said
        QCOMPARE(game->speaker.started.size(), 1);

        game->start();
        game->at(10000);
        QCOMPARE(game->speaker.started.size(), 2);
        QCOMPARE(game->status(), u"(Game in progress)"_s);
    }

    // Either hold keeps the game until both are let go; only the pause stops the game's time.
    void pauseAndModalWindowHoldTogether()
    {
        game->start();
        game->at(2000);
        game->sequencer.pause();
        game->sequencer.suspend();
        game->at(5000);
        game->sequencer.unpause(); // the window is still open: 8 s left from here
        QCOMPARE(game->displayText(), u"in 8 seconds..."_s);
        game->at(20000);
        QVERIFY(game->speaker.started.isEmpty());
        game->sequencer.resume(); // the window's time counted: the countdown is over
        QCOMPARE(game->speaker.started.size(), 1);

        game->speaker.finish();
        game->speaker.finish();
        game->sequencer.suspend();
        game->sequencer.pause();
        game->sequencer.resume(); // still paused
        game->at(60000);
        QCOMPARE(game->speaker.started.size(), 2);
        QCOMPARE(game->status(), u"(Game paused)"_s);
        game->sequencer.unpause();
        game->at(66999);
        QCOMPARE(game->speaker.started.size(), 2);
        game->at(67000);
        QCOMPARE(game->speaker.started.size(), 3);
    }

    void traceNamesEveryChange()
    {
        std::optional<TraceCapture> trace(std::in_place);
        game->nextCall(2, 3);
        game->start();
        game->at(10000);
        game->speaker.finish();
        game->sequencer.suspend();
        game->sequencer.resume();
        game->speaker.finish();
        game->sequencer.pause();
        game->sequencer.unpause();
        game->sequencer.stop();
        const QStringList lines = trace->lines();
        trace.reset();

        // The words shown are the window's to trace; these are the game's own lines.
        const QStringList expected{
            u"buttons start=0 stop=1"_s,
            u"sound-start leftfoot.wav wait"_s,
            u"sound-end leftfoot.wav"_s,
            u"sound-start yellow.wav wait"_s,
            u"suspend"_s,
            u"resume"_s,
            u"sound-end yellow.wav"_s,
            u"pause 7"_s,
            u"pause-hold"_s,
            u"pause-release"_s,
            u"buttons start=1 stop=0"_s,
        };
        QCOMPARE(lines, expected);
    }

private:
    std::unique_ptr<Game> game;
};

QTEST_GUILESS_MAIN(TestGameSequencer)
#include "tst_gamesequencer.moc"
