// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamedoubles.h"
#include "gamelog.h"
#include "gamesounds.h"
#include "gamewords.h"
#include "players.h"
#include "soundchannel.h"
#include "tracecapture.h"

#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <map>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 SoundMs = 400;
constexpr qint64 ChimeMs = 940; // as the shipped chimes, trailing silence and all

using Calls = QList<std::pair<int, int>>; // (colour, limb)

// A game whose words and ticks each last SoundMs, so it runs by itself on the fake clock; wired
// as the program wires it, its words and its own sounds (off unless a test enables them) on one
// channel.
struct Game
{
    explicit Game(const GameOptions &options = {})
    {
        for (const QString &name : callSounds()) {
            speaker.lengths.insert(name, SoundMs);
        }
        speaker.lengths.insert(GameSounds::Tick, SoundMs);
        speaker.lengths.insert(GameSounds::StartChime, ChimeMs);
        speaker.lengths.insert(GameSounds::StopChime, ChimeMs);
        sequencer.setOptions(options);
    }

    // The calls made so far, as (colour, limb), read from what was spoken.
    Calls calls() const
    {
        Calls made;
        for (qsizetype i = 0; i + 1 < speaker.started.size(); i += 2) {
            const int limbNumber = int(callSounds().indexOf(speaker.started[i])) + 1;
            const int colourNumber = int(callSounds().indexOf(speaker.started[i + 1])) - 3;
            made.append({colourNumber, limbNumber});
        }
        return made;
    }

    FakeClock clock;
    ScriptedRandom random;
    FakeSpeaker speaker{clock};
    SoundChannel channel{speaker.player(), speaker.stopper()};
    GameSequencer sequencer{clock, random, std::bind_front(&SoundChannel::play, &channel), Black};
    Players players{&sequencer};
    GameSounds sounds{&sequencer, &players, channel};
};

GameOptions withPause(int seconds)
{
    GameOptions options;
    options.pauseSeconds = seconds;
    return options;
}

// r values that pick the k-th of n allowed numbers.
float pick(int k, int n)
{
    return (float(k) + 0.5f) / float(n);
}

} // namespace

class TestGameOptions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Every pair of r values on a grid fine enough for any subset: each allowed call comes
    // equally often and nothing else comes at all. All four is the classic floor(4r + 1).
    void drawIsUniformOverTheChosenSubset_data()
    {
        QTest::addColumn<QList<qint16>>("limbs");
        QTest::addColumn<QList<qint16>>("colours");
        QTest::newRow("hands, red") << QList<qint16>{1, 2} << QList<qint16>{4};
        QTest::newRow("three limbs, two colours") << QList<qint16>{2, 3, 4} << QList<qint16>{1, 3};
        QTest::newRow("all") << QList<qint16>{1, 2, 3, 4} << QList<qint16>{1, 2, 3, 4};
    }

    void drawIsUniformOverTheChosenSubset()
    {
        QFETCH(QList<qint16>, limbs);
        QFETCH(QList<qint16>, colours);
        GameOptions options = withPause(1);
        options.limbs = limbs;
        options.colours = colours;
        Game game(options);
        constexpr int Grid = 12; // a multiple of 1, 2, 3 and 4
        for (int c = 0; c < Grid; ++c) {
            for (int l = 0; l < Grid; ++l) {
                game.random.values.push_back(pick(c, Grid));
                game.random.values.push_back(pick(l, Grid));
            }
        }
        game.random.values.push_back(0.0f);
        game.sequencer.start();
        game.clock.advanceBy(10'000 + Grid * Grid * (2 * SoundMs + 1000) - 1000);

        std::map<std::pair<int, int>, int> counts;
        const auto calls = game.calls();
        QCOMPARE(calls.size(), Grid * Grid);
        for (int i = 0; i < calls.size(); ++i) {
            ++counts[calls[i]];
            if (limbs.size() == 4 && colours.size() == 4) {
                QCOMPARE(calls[i].first, int(std::floor(4 * pick(i / Grid, Grid) + 1)));
                QCOMPARE(calls[i].second, int(std::floor(4 * pick(i % Grid, Grid) + 1)));
            }
        }
        QCOMPARE(qsizetype(counts.size()), limbs.size() * colours.size());
        for (const auto &[call, count] : counts) {
            QVERIFY(colours.contains(qint16(call.first)) && limbs.contains(qint16(call.second)));
            QCOMPARE(count, Grid * Grid / int(counts.size()));
        }
    }

    void noRepeatWhenDisallowed_data()
    {
        QTest::addColumn<bool>("allowed");
        QTest::addColumn<QList<qint16>>("limbs");
        QTest::addColumn<QList<qint16>>("colours");
        QTest::addColumn<QList<float>>("draws");
        QTest::addColumn<Calls>("expected");
        const QList<qint16> all{1, 2, 3, 4};
        // The second draw repeats the first; a third pair of values is there to redraw with.
        const QList<float> again{0.3f, 0.6f, 0.3f, 0.6f, 0.9f, 0.1f};
        QTest::newRow("allowed") << true << all << all << again << Calls{{2, 3}, {2, 3}};
        QTest::newRow("redrawn") << false << all << all << again << Calls{{2, 3}, {4, 1}};
        // A repeat is the same limb and the same colour: sharing only one of them is no repeat.
        QTest::newRow("same limb, other colour")
            << false << all << all << QList<float>{0.3f, 0.6f, 0.9f, 0.6f, 0.1f, 0.1f}
            << Calls{{2, 3}, {4, 3}};
        QTest::newRow("same colour, other limb")
            << false << all << all << QList<float>{0.3f, 0.6f, 0.3f, 0.1f, 0.9f, 0.9f}
            << Calls{{2, 3}, {2, 1}};
        // A source stuck on one value still never repeats: the next colour is taken.
        QTest::newRow("stuck source")
            << false << all << all << QList<float>{0.3f} << Calls{{2, 2}, {3, 2}};
        QTest::newRow("one colour: next limb")
            << false << all << QList<qint16>{4} << QList<float>{0.3f} << Calls{{4, 2}, {4, 3}};
        // One limb and one colour: a repeat is all there is, and the game goes on with it.
        QTest::newRow("single call") << false << QList<qint16>{3} << QList<qint16>{1}
                                     << QList<float>{0.3f} << Calls{{1, 3}, {1, 3}};
    }

    void noRepeatWhenDisallowed()
    {
        QFETCH(bool, allowed);
        QFETCH(QList<qint16>, limbs);
        QFETCH(QList<qint16>, colours);
        QFETCH(QList<float>, draws);
        QFETCH(Calls, expected);
        GameOptions options = withPause(1);
        options.repeatsAllowed = allowed;
        options.limbs = limbs;
        options.colours = colours;
        Game game(options);
        game.random.values.assign(draws.begin(), draws.end());
        game.sequencer.start();
        game.clock.advanceBy(10'000 + 2 * (2 * SoundMs) + 1000);
        QCOMPARE(game.calls(), expected);
    }

    void changedOptionsWaitForTheNextWaitOrCall()
    {
        Game game;
        game.random.values = {0.3f, 0.6f};
        const qint64 started = game.clock.now();
        game.sequencer.start();
        game.clock.advanceBy(2000);
        GameOptions changed = withPause(2);
        changed.countdownSeconds = 3;
        changed.limbs = {4};
        game.sequencer.setOptions(changed);
        // The countdown under way keeps its ten seconds.
        game.clock.advanceTo(started + 9999);
        QVERIFY(game.speaker.started.isEmpty());
        game.clock.advanceTo(started + 10'000);
        QCOMPARE(game.speaker.startTimes.first(), started + 10'000);
        // This pause is the new one, and the next call draws only from the new limbs.
        game.clock.advanceTo(started + 10'000 + 2 * SoundMs + 2000);
        QCOMPARE(game.speaker.startTimes.size(), 3);
        QCOMPARE(game.speaker.startTimes.last(), started + 10'000 + 2 * SoundMs + 2000);
        QCOMPARE(game.speaker.started.last(), u"rightfoot.wav"_s);
        // Set during a pause: this pause keeps its length, the next one changes.
        game.clock.advanceBy(2 * SoundMs + 500);
        game.sequencer.setOptions(withPause(5));
        const qint64 pauseEnd = game.clock.now() + 1500;
        game.clock.advanceTo(pauseEnd);
        QCOMPARE(game.speaker.startTimes.size(), 5);
        QCOMPARE(game.speaker.startTimes.last(), pauseEnd);
    }

    void repeatSaysTheCallAgainAndThenTheWholePause()
    {
        Game game;
        game.random.values = {0.3f, 0.6f};
        game.sequencer.repeatCall(); // idle: nothing
        game.sequencer.start();
        game.clock.advanceBy(3000);
        game.sequencer.repeatCall(); // countdown: nothing
        QVERIFY(game.speaker.started.isEmpty());
        // While the call itself is being said: nothing, neither during its limb nor its colour.
        game.clock.advanceBy(7000 + SoundMs / 2);
        game.sequencer.repeatCall();
        QCOMPARE(game.speaker.started, QStringList{u"leftfoot.wav"_s});
        game.clock.advanceBy(SoundMs);
        game.sequencer.repeatCall();
        QCOMPARE(game.speaker.started, (QStringList{u"leftfoot.wav"_s, u"yellow.wav"_s}));
        game.clock.advanceBy(SoundMs / 2 + 2000);
        const qint64 pauseEnd = game.clock.now() + 2 * SoundMs + 7000;

        QStringList trace;
        {
            TraceCapture capture;
            QObject window; // it traces what it shows; here the test stands in for it
            QObject::connect(&game.sequencer, &GameSequencer::displayChanged, &window,
                             [&capture](const GameDisplay &display) {
                                 capture.add(u"display \"%1\" %2"_s.arg(GameWords::display(display),
                                                                        display.colour.hex()));
                             });
            game.sequencer.repeatCall();
            game.sequencer.repeatCall(); // already repeating: once is enough
            game.clock.advanceBy(2 * SoundMs);
            trace = capture.lines();
        }

        QCOMPARE(trace,
                 (QStringList{u"repeat"_s, u"display \"LEFT FOOT \" #000000"_s,
                              u"sound-start leftfoot.wav wait"_s, u"sound-end leftfoot.wav"_s,
                              u"display \"LEFT FOOT YELLOW\" #ffcd00"_s,
                              u"sound-start yellow.wav wait"_s, u"sound-end yellow.wav"_s,
                              u"pause 7"_s}));
        QCOMPARE(game.sequencer.phase(), GameSequencer::Phase::Pause);
        game.clock.advanceTo(pauseEnd - 1);
        QCOMPARE(game.speaker.started.size(), 4);
        game.clock.advanceTo(pauseEnd);
        QCOMPARE(game.speaker.started.size(), 5);
        QCOMPARE(game.speaker.startTimes.last(), pauseEnd);
    }

    // Repeat Call is offered exactly while it would do something.
    void repeatIsOfferedOnlyInAPauseNotAlreadyRepeating()
    {
        Game game;
        game.random.values = {0.3f, 0.6f, 0.9f, 0.1f};
        QSignalSpy offered(&game.sequencer, &GameSequencer::repeatableChanged);
        const auto last = [&offered] {
            return offered.last().at(0).toBool();
        };
        game.sequencer.start();
        game.clock.advanceBy(10'000 + SoundMs / 2);
        QVERIFY(offered.isEmpty()); // countdown and the call being made
        game.clock.advanceBy(2 * SoundMs);
        QCOMPARE(offered.size(), 1);
        QVERIFY(last());
        game.sequencer.repeatCall();
        QVERIFY(!last());
        game.clock.advanceBy(2 * SoundMs);
        QVERIFY(last());
        game.sequencer.suspend();
        QVERIFY(!last());
        game.sequencer.resume();
        QVERIFY(last());
        game.sequencer.setPaused(true);
        QVERIFY(!last());
        game.sequencer.setPaused(false);
        QVERIFY(last());
        game.sequencer.stop();
        QVERIFY(!last());
        QVERIFY(!game.sequencer.repeatable());
    }

    void silentCallsShowAndPauseWithoutASound()
    {
        GameOptions options = withPause(2);
        options.spoken = false;
        Game game(options);
        game.random.values = {0.9f, 0.1f};
        game.sequencer.start();
        game.clock.advanceBy(10'000);
        QCOMPARE(GameWords::display(game.sequencer.display()), u"LEFT HAND RED"_s);
        QCOMPARE(game.sequencer.phase(), GameSequencer::Phase::Pause);
        game.clock.advanceBy(2000);
        QCOMPARE(game.sequencer.phase(), GameSequencer::Phase::Pause);
        QVERIFY(game.speaker.started.isEmpty());
    }

    // The host's game sounds, when chosen: a chime at Start, a tick as the countdown shows each
    // of its last three numbers (not its first), a chime at Stop, and none again when a pause
    // ends. None is heard over a word or over another: Start and Stop cut what still plays (the
    // stopped game's word too), a tick that would fall on a chime is left out. With them off,
    // a Stop lets the word under way finish, colour and all. Times in ms since the first Start;
    // words and ticks last 400 ms, chimes 940 ms.
    void gameSoundsNeverOverlapAWordOrEachOther_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("countdown");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("heard");
        // Paused from 2 s to 62 s; stopped 1 s into the first pause (twice: one chime). An odd
        // number of seconds shows a millisecond after its half-second edge (half to even).
        const QString paused = u"start@0 pause@2000 unpause@62000"_s;
        QTest::newRow("off") << false << 10 << paused + u" stop@71800 end@80000"_s
                             << u"lefthand.wav@70000-70400 green.wav@70400-70800"_s;
        QTest::newRow("ten seconds")
            << true << 10 << paused + u" stop@71800 stop@71800 end@80000"_s
            << u"gamestart.wav@0-940 tick.wav@66501-66901 tick.wav@67500-67900 "
               "tick.wav@68501-68901 lefthand.wav@70000-70400 green.wav@70400-70800 "
               "gamestop.wav@71800-72740"_s;
        QTest::newRow("three seconds: the first tick falls on the chime")
            << true << 3 << paused + u" stop@64800 end@80000"_s
            << u"gamestart.wav@0-940 tick.wav@1501-1901 lefthand.wav@63000-63400 "
               "green.wav@63400-63800 gamestop.wav@64800-65740"_s;
        QTest::newRow("stop during the limb, off")
            << false << 10 << u"start@0 stop@10200 end@30000"_s
            << u"lefthand.wav@10000-10400 green.wav@10400-10800"_s;
        QTest::newRow("stop during the limb")
            << true << 10 << u"start@0 stop@10200 end@30000"_s
            << u"gamestart.wav@0-940 tick.wav@6501-6901 tick.wav@7500-7900 tick.wav@8501-8901 "
               "lefthand.wav@10000-10200 gamestop.wav@10200-11140"_s;
        QTest::newRow("stop during the colour")
            << true << 10 << u"start@0 stop@10600 end@30000"_s
            << u"gamestart.wav@0-940 tick.wav@6501-6901 tick.wav@7500-7900 tick.wav@8501-8901 "
               "lefthand.wav@10000-10400 green.wav@10400-10600 gamestop.wav@10600-11540"_s;
        QTest::newRow("stop during a tick")
            << true << 10 << u"start@0 stop@7700 end@30000"_s
            << u"gamestart.wav@0-940 tick.wav@6501-6901 tick.wav@7500-7700 "
               "gamestop.wav@7700-8640"_s;
        QTest::newRow("stop, start again 0.4 s later, off")
            << false << 10 << u"start@0 stop@10200 start@10600 end@21500"_s
            << u"lefthand.wav@10000-10400 green.wav@10400-10800 lefthand.wav@20600-21000 "
               "green.wav@21000-21400"_s;
        QTest::newRow("stop, start again 0.4 s later")
            << true << 10 << u"start@0 stop@10200 start@10600 end@21500"_s
            << u"gamestart.wav@0-940 tick.wav@6501-6901 tick.wav@7500-7900 tick.wav@8501-8901 "
               "lefthand.wav@10000-10200 gamestop.wav@10200-10600 gamestart.wav@10600-11540 "
               "tick.wav@17101-17501 tick.wav@18100-18500 tick.wav@19101-19501 "
               "lefthand.wav@20600-21000 green.wav@21000-21400"_s;
    }

    void gameSoundsNeverOverlapAWordOrEachOther()
    {
        QFETCH(bool, enabled);
        QFETCH(int, countdown);
        QFETCH(QString, script);
        QFETCH(QString, heard);
        GameOptions options;
        options.countdownSeconds = countdown;
        Game game(options);
        game.sounds.setEnabled(enabled);
        const qint64 origin = game.clock.now();
        GameSequencer &sequencer = game.sequencer;
        const std::map<QString, std::function<void()>> actions{
            {u"start"_s,
             [&sequencer] {
                 sequencer.start();
             }},
            {u"stop"_s,
             [&sequencer] {
                 sequencer.stop();
             }},
            {u"pause"_s,
             [&sequencer] {
                 sequencer.pause();
             }},
            {u"unpause"_s,
             [&sequencer] {
                 sequencer.unpause();
             }},
            {u"end"_s,
             [] {
             }},
        };
        for (const QString &step : script.split(u' ')) {
            const QStringList parts = step.split(u'@');
            game.clock.advanceTo(origin + parts[1].toLongLong());
            actions.at(parts[0])();
        }
        QStringList sounds;
        for (const FakeSpeaker::Heard &sound : std::as_const(game.speaker.heard)) {
            sounds << u"%1@%2-%3"_s.arg(sound.name).arg(sound.from - origin).arg(sound.to - origin);
        }
        QCOMPARE(sounds.join(u' '), heard);
        QVERIFY2(game.speaker.overlap().isEmpty(), qPrintable(game.speaker.overlap()));
    }
};

QTEST_GUILESS_MAIN(TestGameOptions)
#include "tst_gameoptions.moc"
