// SPDX-License-Identifier: GPL-3.0-or-later
// The game as a remote sees it (status, capabilities, the call as a track) and what a remote's
// requests do, without a bus; the call's picture in the cache; the media keys on a window.
#include "callart.h"
#include "gamedoubles.h"
#include "mediakeys.h"
#ifdef LIMBORA_MPRIS
#include "mprisadaptors.h"
#endif
#include "remotegame.h"
#include "remoteplayer.h"
#include "sequencerremote.h"

#include <QFile>
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QUrl>
#include <QWidget>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

class RecordingGame final : public RemoteGame
{
public:
    void start() override { requests << u"start"_s; }
    void stop() override { requests << u"stop"_s; }
    void setPaused(bool paused) override { requests << (paused ? u"pause"_s : u"unpause"_s); }
    void repeatCall() override { requests << u"repeat"_s; }
    void nextCall() override { requests << u"next"_s; }

    QStringList requests;
};

GameDisplay countdown(qint16 seconds)
{
    GameDisplay display;
    display.kind = GameDisplay::Kind::Countdown;
    display.seconds = seconds;
    return display;
}

GameDisplay call(GameDisplay::Kind kind, qint16 limb, qint16 colourNumber)
{
    GameDisplay display;
    display.kind = kind;
    display.call = Call{colourNumber, limb};
    display.colour = kind == GameDisplay::Kind::Call ? colour(colourNumber).rgb : Black;
    return display;
}

// The media keys carry no text, which QTest::keyClick wants to make up for them.
void press(QWidget *window, Qt::Key key)
{
    QTest::sendKeyEvent(QTest::Click, window, key, QString(), Qt::NoModifier);
}

QString artFor(Rgb colour)
{
    return u"file:///art/"_s + colour.hex().mid(1);
}

// A language of its own for the calls, to see that the title is what the window shows.
class ShoutingTranslator final : public QTranslator
{
public:
    QString translate(const char *, const char *source, const char *, int) const override
    {
        const QString text = QString::fromUtf8(source);
        if (text == u"LEFT HAND"_s) {
            return u"LINKE HAND"_s;
        }
        return text == u"GREEN"_s ? u"GRÜN"_s : QString();
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class TestRemotePlayer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void statusAndCapabilitiesFollowTheGame();
    void metadataForEachState();
    void titleIsInTheProgramsLanguage();
    void requestsKeepToTheGame();
    void remotesReachTheGame();
    void oneAnnouncementPerChange();
    void drivesARealGame();
    void artIsASpotOfTheColour();
    void artSurvivesWhatStandsInTheCache();
};

void TestRemotePlayer::statusAndCapabilitiesFollowTheGame()
{
    RecordingGame game;
    RemotePlayer player(game, artFor);
    const auto property = [&](const char *name) {
        return player.properties().value(name);
    };

    QCOMPARE(player.playbackStatus(), u"Stopped"_s);
    QCOMPARE(property("CanPause"), false);
    QCOMPARE(property("CanGoPrevious"), false);
    player.setPaused(true); // nothing to pause
    QCOMPARE(player.playbackStatus(), u"Stopped"_s);

    player.setRunning(true);
    QCOMPARE(player.playbackStatus(), u"Playing"_s);
    QCOMPARE(property("CanPause"), true);
    QCOMPARE(property("CanGoPrevious"), true);
    player.setPaused(true);
    QCOMPARE(player.playbackStatus(), u"Paused"_s);
    player.setPaused(false);
    QCOMPARE(player.playbackStatus(), u"Playing"_s);
    player.setPaused(true);
    player.setRunning(false); // Stop while paused
    QCOMPARE(player.playbackStatus(), u"Stopped"_s);
    QVERIFY(!player.isPaused());

    // Never offered, whatever the game does.
    QCOMPARE(property("CanSeek"), false);
    QCOMPARE(property("CanPlay"), true);
    QCOMPARE(property("CanControl"), true);
}

void TestRemotePlayer::metadataForEachState()
{
    RecordingGame game;
    RemotePlayer player(game, artFor);
    QVERIFY(player.metadata().isEmpty());

    player.setRunning(true);
    player.showStatus(GameStatus::Starting);
    player.showDisplay(countdown(10));
    QVariantMap track = player.metadata();
    QCOMPARE(track.value("xesam:title"), u"The game will start"_s);
    QCOMPARE(track.value("xesam:artist"), QStringList{u"in 10 seconds..."_s});
    QVERIFY(!track.contains("mpris:artUrl"));
    const QString countdownId = track.value("mpris:trackid").toString();
    QVERIFY(countdownId.startsWith(u"/org/limbora/Limbora/"_s));

    // The last half second blanks both labels: the title stays, the seconds go.
    player.showStatus(GameStatus::Blank);
    player.showDisplay(GameDisplay());
    track = player.metadata();
    QCOMPARE(track.value("xesam:title"), u"The game will start"_s);
    QVERIFY(!track.contains("xesam:artist"));

    player.showStatus(GameStatus::InProgress);
    player.showDisplay(call(GameDisplay::Kind::Limb, 2, 4));
    track = player.metadata();
    QCOMPARE(track.value("xesam:title"), u"RIGHT HAND"_s);
    QCOMPARE(track.value("xesam:artist"), QStringList{u"(Game in progress)"_s});
    QVERIFY(!track.contains("mpris:artUrl")); // no colour yet
    const QString firstCall = track.value("mpris:trackid").toString();
    QVERIFY(firstCall != countdownId);

    // The art is made only once a remote reads the metadata, and then goes with it.
    player.showDisplay(call(GameDisplay::Kind::Call, 2, 4));
    QVERIFY(!player.metadata().contains("mpris:artUrl"));
    track = player.metadataForReader();
    QCOMPARE(track.value("xesam:title"), u"RIGHT HAND RED"_s);
    QCOMPARE(track.value("mpris:artUrl"), u"file:///art/ff0000"_s);
    QCOMPARE(track.value("mpris:trackid").toString(), firstCall);
    QCOMPARE(player.metadata(), track);

    // The same call again, said again or drawn again, is a new track.
    player.showDisplay(call(GameDisplay::Kind::Limb, 2, 4));
    QVERIFY(player.metadata().value("mpris:trackid").toString() != firstCall);

    player.setRunning(false);
    player.showStatus(GameStatus::Stopped);
    player.showDisplay(GameDisplay());
    QVERIFY(player.metadata().isEmpty());

    // Without a picture the track goes without art.
    RemotePlayer bare(game, [](Rgb) { return QString(); });
    bare.setRunning(true);
    bare.showDisplay(call(GameDisplay::Kind::Call, 1, 1));
    QVERIFY(!bare.metadataForReader().contains("mpris:artUrl"));
    QCOMPARE(bare.metadata().value("xesam:title"), u"LEFT HAND GREEN"_s);
}

void TestRemotePlayer::titleIsInTheProgramsLanguage()
{
    ShoutingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    RecordingGame game;
    RemotePlayer player(game, artFor);
    player.setRunning(true);
    player.showDisplay(call(GameDisplay::Kind::Call, 1, 1));
    const QString title = player.metadata().value("xesam:title").toString();
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(title, u"LINKE HAND GRÜN"_s);
}

void TestRemotePlayer::requestsKeepToTheGame()
{
    RecordingGame game;
    RemotePlayer player(game, artFor);

    // No game: only Play (and Play/Pause) does anything, and starts one.
    player.pause();
    player.stop();
    player.previous();
    QVERIFY(game.requests.isEmpty());
    player.playPause();
    player.setRunning(true);
    QCOMPARE(game.requests, QStringList{u"start"_s});

    game.requests.clear();
    player.play(); // already playing
    player.previous();
    player.playPause();
    player.setPaused(true);
    player.pause(); // already paused
    player.play();
    player.setPaused(false);
    player.pause();
    player.setPaused(true);
    player.playPause();
    player.stop();
    QCOMPARE(
        game.requests,
        QStringList({u"repeat"_s, u"pause"_s, u"unpause"_s, u"pause"_s, u"unpause"_s, u"stop"_s}));

    QSignalSpy raised(&player, &RemotePlayer::raiseRequested);
    player.raise();
    QCOMPARE(raised.count(), 1);
}

// Each method a remote calls on the bus, as Qt D-Bus calls it: by name on the adaptor; and
// the media key for it on the window.
void TestRemotePlayer::remotesReachTheGame()
{
    struct Way
    {
        const char *method; // nullptr: a key only
        Qt::Key key; // Key_unknown: a method only
        bool running;
        bool paused;
        QStringList requests;
    };
    const QList<Way> ways{
        {"Play", Qt::Key_MediaPlay, false, false, {u"start"_s}},
        {"Play", Qt::Key_MediaPlay, true, true, {u"unpause"_s}},
        {nullptr, Qt::Key_MediaPlay, true, false, {u"pause"_s}}, // Play/Pause under X11
        {"Pause", Qt::Key_MediaPause, true, false, {u"pause"_s}},
        {"PlayPause", Qt::Key_MediaTogglePlayPause, true, false, {u"pause"_s}},
        {"PlayPause", Qt::Key_MediaTogglePlayPause, false, false, {u"start"_s}},
        {"PlayPause", Qt::Key_MediaTogglePlayPause, true, true, {u"unpause"_s}},
        {"Stop", Qt::Key_MediaStop, true, false, {u"stop"_s}},
        {"Previous", Qt::Key_MediaPrevious, true, false, {u"repeat"_s}},
        {"Next", Qt::Key_MediaNext, true, false, {u"next"_s}},
        {"Next", Qt::Key_MediaNext, false, false, {}},
        {"Raise", Qt::Key_unknown, true, false, {u"raise"_s}}};
    RecordingGame game;
    RemotePlayer player(game, artFor);
    QWidget window;
    addMediaKeys(&window, player);
#ifdef LIMBORA_MPRIS
    auto *root = new MprisRootAdaptor(&window, player);
    auto *adaptor = new MprisPlayerAdaptor(&window, player);
#endif
    connect(&player, &RemotePlayer::raiseRequested, &window,
            [&game] { game.requests << u"raise"_s; });
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    for (const Way &way : ways) {
        player.setRunning(way.running);
        player.setPaused(way.paused);
#ifdef LIMBORA_MPRIS
        // Without a session bus (Windows) only the keys reach the game.
        if (way.method) {
            const bool onRoot = qstrcmp(way.method, "Raise") == 0;
            QVERIFY(QMetaObject::invokeMethod(onRoot ? static_cast<QObject *>(root) : adaptor,
                                              way.method));
            QCOMPARE(game.requests, way.requests);
            game.requests.clear();
        }
#endif
        if (way.key != Qt::Key_unknown) {
            press(&window, way.key);
            QCOMPARE(game.requests, way.requests);
            game.requests.clear();
        }
    }
}

void TestRemotePlayer::oneAnnouncementPerChange()
{
    RecordingGame game;
    RemotePlayer player(game, artFor);
    QSignalSpy announced(&player, &RemotePlayer::propertiesChanged);

    // Start, as the game reports it: buttons, status, display, all in one go.
    player.setRunning(true);
    player.showStatus(GameStatus::Starting);
    player.showDisplay(countdown(10));
    QTRY_COMPARE(announced.count(), 1);
    QVariantMap changed = announced.takeFirst().at(0).toMap();
    QCOMPARE(changed.value("PlaybackStatus"), u"Playing"_s);
    QCOMPARE(changed.value("CanPause"), true);
    QCOMPARE(changed.value("Metadata").toMap().value("xesam:title"), u"The game will start"_s);
    QVERIFY(!changed.contains("CanSeek")); // unchanged, so unannounced

    // A report that changes nothing a remote sees says nothing.
    player.showDisplay(countdown(10));
    player.announce();
    QCOMPARE(announced.count(), 0);

    player.showDisplay(countdown(9));
    player.announce();
    QCOMPARE(announced.count(), 1);
    changed = announced.takeFirst().at(0).toMap();
    QCOMPARE(changed.keys(), QStringList{u"Metadata"_s});

    player.setPaused(true);
    player.announce();
    QCOMPARE(announced.takeFirst().at(0).toMap().value("PlaybackStatus"), u"Paused"_s);

    player.setRunning(false);
    player.showStatus(GameStatus::Stopped);
    player.showDisplay(GameDisplay());
    player.announce();
    changed = announced.takeFirst().at(0).toMap();
    QCOMPARE(changed.value("PlaybackStatus"), u"Stopped"_s);
    QCOMPARE(changed.value("Metadata").toMap(), QVariantMap());
    QCOMPARE(changed.value("CanPause"), false);
}

// Through the sequencer: Play starts a game whose calls become the title, Previous repeats a
// call only in its pause, Next makes one there or in the countdown, Stop ends it.
void TestRemotePlayer::drivesARealGame()
{
    FakeClock clock;
    ScriptedRandom random;
    random.values = {0.0f, 0.5f}; // green, left foot
    FakeSpeaker speaker(clock);
    speaker.lengths = {{u"leftfoot.wav"_s, 800}, {u"green.wav"_s, 600}};
    GameSequencer sequencer(clock, random, speaker.player(), Rgb{58, 110, 165});
    SequencerRemote remote(sequencer);
    RemotePlayer player(remote, artFor);
    remote.follow(player);

    const auto canGoNext = [&player] {
        return player.properties().value("CanGoNext").toBool();
    };
    QVERIFY(!canGoNext());
    player.play();
    QCOMPARE(player.playbackStatus(), u"Playing"_s);
    QCOMPARE(sequencer.phase(), GameSequencer::Phase::Countdown);
    QVERIFY(canGoNext());
    QCOMPARE(player.metadata().value("xesam:artist"), QStringList{u"in 10 seconds..."_s});

    clock.advanceBy(10'000);
    QCOMPARE(player.metadata().value("xesam:title"), u"LEFT FOOT"_s);
    player.previous(); // while the limb is spoken: not yet
    QVERIFY(!canGoNext());
    player.next();
    QCOMPARE(speaker.started.size(), 1);
    clock.advanceBy(800);
    QCOMPARE(player.metadata().value("xesam:title"), u"LEFT FOOT GREEN"_s);
    player.announce(); // all a remote knows while the colour is said
    QSignalSpy announced(&player, &RemotePlayer::propertiesChanged);
    clock.advanceBy(600 + 2'000);
    QCOMPARE(sequencer.phase(), GameSequencer::Phase::Pause);
    QTRY_COMPARE(announced.value(0).value(0).toMap().value("CanGoNext"), true); // told, alone
    const int said = speaker.started.size();
    player.previous();
    QCOMPARE(speaker.started.size(), said + 1);
    QCOMPARE(speaker.started.last(), u"leftfoot.wav"_s);
    QCOMPARE(player.metadata().value("xesam:title"), u"LEFT FOOT"_s);

    // The repeat said whole, then the whole pause again; Pause holds it, Play goes on with what
    // it had left.
    clock.advanceBy(3'000); // the repeat ended 1.6 s ago, 5.4 s of its pause are left
    player.pause();
    QVERIFY(!canGoNext());
    QVERIFY(sequencer.isPaused());
    QCOMPARE(player.playbackStatus(), u"Paused"_s);
    QCOMPARE(player.metadata().value("xesam:title"), u"LEFT FOOT GREEN"_s);
    clock.advanceBy(60'000);
    const int held = speaker.started.size();
    player.playPause();
    QCOMPARE(player.playbackStatus(), u"Playing"_s);
    clock.advanceBy(5'399);
    QCOMPARE(speaker.started.size(), held);
    clock.advanceBy(1);
    QCOMPARE(speaker.started.size(), held + 1);
    clock.advanceBy(800);
    speaker.finish(); // the colour, of no set length
    QVERIFY(canGoNext());
    player.next();
    QCOMPARE(speaker.started.size(), held + 3);
    QCOMPARE(speaker.startTimes.last(), clock.now());

    player.pause();
    player.stop();
    QCOMPARE(player.playbackStatus(), u"Stopped"_s);
    QCOMPARE(sequencer.phase(), GameSequencer::Phase::Idle);
    QVERIFY(player.metadata().isEmpty());
}

void TestRemotePlayer::artIsASpotOfTheColour()
{
    QTemporaryDir cache;
    auto art = std::make_unique<CallArt>(cache.filePath(u"limbora"_s));
    const Rgb yellow = colour(2).rgb;
    const QString url = art->urlFor(yellow);
    QVERIFY(!url.isEmpty());
    const QString path = QUrl(url).toLocalFile();
    QVERIFY(path.startsWith(cache.filePath(u"limbora/"_s)));
    QImage picture(path);
    QVERIFY(!picture.isNull());
    QCOMPARE(picture.pixelColor(picture.rect().center()), QColor(255, 205, 0));
    QCOMPARE(art->urlFor(yellow), url);
    QVERIFY(art->urlFor(colour(3).rgb) != url);
    art.reset(); // nothing of it outlives the art
    QVERIFY(QDir(cache.path()).isEmpty());
}

void TestRemotePlayer::artSurvivesWhatStandsInTheCache()
{
    QTemporaryDir cache;
    const Rgb red = colour(4).rgb;
    const QString folder = cache.filePath(u"limbora"_s);
    QVERIFY(QDir().mkpath(folder));

    // A link where the picture goes is replaced, never written through.
    QFile precious(cache.filePath(u"precious.txt"_s));
    QVERIFY(precious.open(QIODevice::WriteOnly));
    precious.write("keep");
    precious.close();
    QVERIFY(QFile::link(precious.fileName(), folder + u"/call-ff0000.png"_s));
    CallArt linked(folder);
    QVERIFY(!linked.urlFor(red).isEmpty());
    QVERIFY(!QFileInfo(folder + u"/call-ff0000.png"_s).isSymLink());
    QVERIFY(precious.open(QIODevice::ReadOnly));
    QCOMPARE(precious.readAll(), QByteArray("keep"));

    // A folder in the picture's place, or a file in the cache folder's: no art, no harm.
    QVERIFY(QDir().mkpath(folder + u"/call-0000ff.png"_s));
    QVERIFY(linked.urlFor(colour(3).rgb).isEmpty());
    CallArt blocked(precious.fileName());
    QVERIFY(blocked.urlFor(red).isEmpty());

    // The art's folder a link to a folder of the user's that holds a picture of that name: the
    // user's picture is neither written nor removed.
    const QString users = cache.filePath(u"users"_s);
    QVERIFY(QDir().mkpath(users));
    QVERIFY(QFile::copy(precious.fileName(), users + u"/call-00ff00.png"_s));
    QVERIFY(QFile::link(users, cache.filePath(u"linked"_s)));
    {
        CallArt throughLink(cache.filePath(u"linked"_s));
        QVERIFY(throughLink.urlFor(colour(1).rgb).isEmpty());
    }
    QFile usersPicture(users + u"/call-00ff00.png"_s);
    QVERIFY(usersPicture.open(QIODevice::ReadOnly));
    QCOMPARE(usersPicture.readAll(), QByteArray("keep"));
}

QTEST_MAIN(TestRemotePlayer)
#include "tst_remoteplayer.moc"
