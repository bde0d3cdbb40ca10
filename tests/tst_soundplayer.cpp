// SPDX-License-Identifier: GPL-3.0-or-later
// Runs without an audio server (the test environment points PULSE_SERVER nowhere): every sound
// here is one that can't be heard, and none of them may hold anything up.
#include "gamedoubles.h"
#ifdef LIMBORA_PULSE
#include "pulsebackend.h"

#include <pulse/volume.h>
#endif
#include "qtaudiobackend.h"
#include "samplevolume.h"
#include "soundbackend.h"
#include "soundcache.h"
#include "soundplayer.h"
#include "wavinfo.h"

#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <cmath>

#include <fcntl.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

struct WavShape
{
    quint16 format = 1;
    quint16 channels = 1;
    quint32 rate = 22050;
    quint16 bits = 16;
    quint32 declaredData = 22050 * 2; // one second
    qint64 actualData = 22050 * 2;
    bool listChunk = false;
    int byteRate = -1; // -1: what the other fields make it
    int blockAlign = -1;
};

void append16(QByteArray &bytes, quint16 value)
{
    char raw[2];
    qToLittleEndian(value, raw);
    bytes.append(raw, 2);
}

void append32(QByteArray &bytes, quint32 value)
{
    char raw[4];
    qToLittleEndian(value, raw);
    bytes.append(raw, 4);
}

QByteArray makeWav(const WavShape &shape)
{
    QByteArray body = "WAVE";
    if (shape.listChunk) {
        body += "LIST";
        append32(body, 5);
        body += QByteArray("INFO!") + '\0'; // odd size, padded
    }
    body += "fmt ";
    append32(body, 16);
    append16(body, shape.format);
    append16(body, shape.channels);
    append32(body, shape.rate);
    append32(body,
             shape.byteRate >= 0 ? quint32(shape.byteRate)
                                 : shape.rate * shape.channels * shape.bits / 8);
    append16(body,
             shape.blockAlign >= 0 ? quint16(shape.blockAlign)
                                   : quint16(shape.channels * shape.bits / 8));
    append16(body, shape.bits);
    body += "data";
    append32(body, shape.declaredData);
    body += QByteArray(shape.actualData, '\0');
    QByteArray file = "RIFF";
    append32(file, quint32(body.size()));
    return file + body;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Stands in for the audio system: starts each sound for a given length, or hangs in the call as
// one waiting on a stalled audio server does, until released. Remembers what it was asked.
class FakeBackend : public SoundBackend
{
public:
    // What it was asked, kept by the test: read once the sound thread has ended.
    struct Record
    {
        QList<SoundRequest> requests;
        QList<quint64> stopped;
    };

    // A hanging one releases entered as it starts to hang.
    FakeBackend(int lengthMs, QSemaphore *hang = nullptr, Record *record = nullptr,
                QSemaphore *entered = nullptr)
        : SoundBackend(QString())
        , m_lengthMs(lengthMs)
        , m_hang(hang)
        , m_record(record)
        , m_entered(entered)
    {
    }

    void play(const SoundRequest &request) override
    {
        if (m_hang) {
            if (m_entered) {
                m_entered->release();
            }
            m_hang->tryAcquire(1, 5000);
            return;
        }
        if (m_record) {
            m_record->requests << request;
        }
        Q_EMIT started(request.id, monotonicNs() + m_lengthMs * qint64(1'000'000));
    }
    void stop(quint64 id) override
    {
        if (m_record) {
            m_record->stopped << id;
        }
    }

private:
    int m_lengthMs;
    QSemaphore *m_hang;
    Record *m_record;
    QSemaphore *m_entered;
};

} // namespace

class TestSoundPlayer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        sounds = dir.path() + u'/';
        writeFile(sounds + u"good.wav"_s, makeWav({}));
        writeFile(sounds + u"corrupt.wav"_s, QByteArray(4000, '\x5a'));
        writeFile(sounds + u"truncated.wav"_s, makeWav({}).left(1000));
    }

    void readsOnlyWhatPlaysReliably_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<qint64>("durationMs"); // -1: rejected

        QTest::newRow("16-bit mono, one second") << makeWav({}) << 1000LL;
        QTest::newRow("8-bit stereo, half a second")
            << makeWav({1, 2, 8000, 8, 8000, 8000, false}) << 500LL;
        QTest::newRow("other chunk before fmt") << makeWav({.listChunk = true}) << 1000LL;
        QTest::newRow("empty file") << QByteArray() << -1LL;
        QTest::newRow("header only") << makeWav({}).left(44 - 8) << -1LL;
        QTest::newRow("truncated data") << makeWav({.actualData = 100}) << -1LL;
        QTest::newRow("streamed, size unknown")
            << makeWav({.declaredData = 0x7ffff000, .actualData = 100}) << -1LL;
        QTest::newRow("no samples") << makeWav({.declaredData = 0, .actualData = 0}) << -1LL;
        QTest::newRow("32-bit") << makeWav({.bits = 32}) << -1LL;
        QTest::newRow("24-bit") << makeWav({.bits = 24}) << -1LL;
        // Less than a byte a frame would divide by zero further on.
        QTest::newRow("4-bit") << makeWav({.bits = 4}) << -1LL;
        QTest::newRow("12-bit") << makeWav({.bits = 12}) << -1LL;
        QTest::newRow("float") << makeWav({.format = 3, .bits = 16}) << -1LL;
        QTest::newRow("not RIFF") << QByteArray(200, 'x') << -1LL;
        // Fields a backend divides by or allocates from.
        QTest::newRow("rate 40 Hz") << makeWav({.rate = 40}) << -1LL;
        QTest::newRow("rate 0") << makeWav({.rate = 0}) << -1LL;
        QTest::newRow("rate 1 MHz") << makeWav({.rate = 1000000}) << -1LL;
        QTest::newRow("no channels") << makeWav({.channels = 0}) << -1LL;
        QTest::newRow("six channels") << makeWav({.channels = 6}) << -1LL;
        QTest::newRow("block align 0") << makeWav({.blockAlign = 0}) << -1LL;
        QTest::newRow("byte rate 1") << makeWav({.byteRate = 1}) << -1LL;
        QTest::newRow("less than a frame")
            << makeWav({.channels = 2, .declaredData = 3, .actualData = 3}) << -1LL;
        QTest::newRow("torn last frame")
            << makeWav({.declaredData = 44101, .actualData = 44101}) << 1000LL;
    }

    void readsOnlyWhatPlaysReliably()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(qint64, durationMs);
        const QString path = dir.filePath(u"probe.wav"_s);
        writeFile(path, bytes);
        const auto info = readWavInfo(path);
        QCOMPARE(info.has_value(), durationMs >= 0);
        if (info) {
            QCOMPARE(info->durationMs(), durationMs);
        }
    }

    void onlyRegularFilesAreRead()
    {
        QVERIFY(!readWavInfo(dir.filePath(u"nothing-here.wav"_s)));
        // A FIFO would block the reader for good; a folder reads as nothing.
        const QString fifo = dir.filePath(u"fifo.wav"_s);
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QVERIFY(!readWavInfo(fifo));
        QVERIFY(!loadWav(fifo));
        QVERIFY(!readWavInfo(dir.path()));
        // A link to a good file is fine.
        QVERIFY(QFile::link(sounds + u"good.wav"_s, dir.filePath(u"link.wav"_s)));
        QCOMPARE(loadWav(dir.filePath(u"link.wav"_s))->samples.size(), 22050 * 2);
    }

    // However the file is built, its header is given up quickly: empty chunks by the hundred
    // thousand, or a sparse 2 GB file of zeros behind a RIFF header claiming all of it.
    void hostileHeaderIsGivenUpQuickly()
    {
        QByteArray manyChunks = "RIFF";
        append32(manyChunks, 0xffffffff);
        manyChunks += "WAVE";
        for (int i = 0; i < 100'000; ++i) {
            manyChunks += "junk";
            append32(manyChunks, 0);
        }
        const QString chunks = dir.filePath(u"chunks.wav"_s);
        writeFile(chunks, manyChunks + makeWav({}).mid(12));

        const QString sparse = dir.filePath(u"sparse.wav"_s);
        QFile file(sparse);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("RIFF\xff\xff\xff\xffWAVE");
        QVERIFY(file.resize(2LL * 1024 * 1024 * 1024));
        file.close();

        for (const QString &path : {chunks, sparse}) {
            QElapsedTimer elapsed;
            elapsed.start();
            QVERIFY(!loadWav(path));
            QCOMPARE_LE(elapsed.elapsed(), 100);
        }
    }

    // A file is read again only when it has changed: a broken one is not walked at every call,
    // and a repaired one plays from then on.
    void unplayableFileIsRememberedUntilItChanges()
    {
        const QString path = dir.filePath(u"repaired.wav"_s);
        QByteArray broken = makeWav({});
        broken[0] = 'X';
        writeFile(path, broken);
        struct stat before;
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &before), 0);
        const auto setChanged = [&path](timespec changed) {
            const timespec times[2] = {changed, changed};
            return ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0) == 0;
        };

        SoundCache cache(dir.path() + u'/');
        QVERIFY(!cache.find(u"repaired.wav"_s, {QString()}));
        // Mended in place, with its size, inode and time as they were: still what was found.
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.write("R", 1) == 1 && file.flush());
        QVERIFY(setChanged(before.st_mtim));
        QVERIFY(loadWav(path));
        QVERIFY(!cache.find(u"repaired.wav"_s, {QString()}));
        // Once its time moves, it is read again.
        QVERIFY(setChanged({before.st_mtim.tv_sec + 1, 0}));
        QVERIFY(cache.find(u"repaired.wav"_s, {QString()}));
    }

    // A word the language's folder can't play is taken from the next folder, word by word.
    void eachWordFallsBackOnItsOwn()
    {
        QTemporaryDir data;
        const QString root = data.path() + u'/';
        QVERIFY(QDir(root).mkdir(u"de"_s));
        QTemporaryDir own;
        writeFile(root + u"red.wav"_s, makeWav({}));
        writeFile(root + u"blue.wav"_s, makeWav({}));
        writeFile(root + u"de/red.wav"_s, makeWav({}).left(1000));
        writeFile(root + u"de/blue.wav"_s, makeWav({.declaredData = 8000, .actualData = 8000}));
        writeFile(own.filePath(u"blue.wav"_s), makeWav({.declaredData = 4410, .actualData = 4410}));

        SoundCache cache(root);
        const QStringList german{u"de/"_s, QString()};
        QCOMPARE(cache.find(u"red.wav"_s, german)->info.durationMs(), 1000); // broken: English
        QCOMPARE(cache.find(u"blue.wav"_s, german)->info.durationMs(), 181); // German
        QVERIFY(!cache.find(u"green.wav"_s, german));
        // An absolute folder is taken as it is.
        const QStringList ownVoice{own.path() + u'/', u"de/"_s, QString()};
        QCOMPARE(cache.find(u"blue.wav"_s, ownVoice)->info.durationMs(), 100);
        QCOMPARE(cache.find(u"red.wav"_s, ownVoice)->info.durationMs(), 1000);
    }

    void pathIsPlainlyJoined()
    {
        SoundPlayer player(u"/opt/Limbora Data/"_s);
        QCOMPARE(player.path(u"About.wav"_s), u"/opt/Limbora Data/About.wav"_s);
        QCOMPARE(player.path(u"hid.wav"_s), u"/opt/Limbora Data/hid.wav"_s);
    }

    void waitEndsAtOnceForWhatCannotBeHeard_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("missing") << u"lefthand.wav"_s;
        QTest::newRow("corrupt") << u"corrupt.wav"_s;
        QTest::newRow("truncated") << u"truncated.wav"_s;
        QTest::newRow("good, but no audio server") << u"good.wav"_s;
    }

    void waitEndsAtOnceForWhatCannotBeHeard()
    {
        QFETCH(QString, name);
        SoundPlayer player(sounds);
        player.preload({name});
        int finished = 0;
        player.playAndWait(name, [&finished] { ++finished; });
        // Never from inside the call: the caller's state must be settled first.
        QCOMPARE(finished, 0);
        QTRY_COMPARE_WITH_TIMEOUT(finished, 1, 100);
        QTest::qWait(20);
        QCOMPARE(finished, 1);
    }

    void waitEndsWhenTheLastSampleIsHeard()
    {
        SoundPlayer player(sounds, std::make_unique<FakeBackend>(200));
        QElapsedTimer elapsed;
        elapsed.start();
        // Read when the wait ends, not when the polling below next looks (every 50 ms).
        qint64 finishedAfter = -1;
        player.playAndWait(u"good.wav"_s,
                           [&finishedAfter, &elapsed] { finishedAfter = elapsed.elapsed(); });
        QTRY_VERIFY_WITH_TIMEOUT(finishedAfter >= 0, 1000);
        QCOMPARE_GE(finishedAfter, 195);
        QCOMPARE_LE(finishedAfter, 260);
    }

    void stalledAudioSystemHoldsUpNothing()
    {
        QSemaphore hang;
        SoundPlayer player(sounds, std::make_unique<FakeBackend>(0, &hang));
        QElapsedTimer elapsed;
        elapsed.start();
        int finished = 0;
        player.playAndWait(u"good.wav"_s, [&finished] { ++finished; });
        player.playAndReturn(u"About.wav"_s);
        player.playAndWait(u"good.wav"_s, [&finished] { ++finished; });
        QCOMPARE_LE(elapsed.elapsed(), 20);

        // Both waits are given up as silent after a quarter of a second, on the player's own
        // clock: a game can't afford more before its next word.
        QTRY_COMPARE_WITH_TIMEOUT(finished, 2, 350);
        QCOMPARE_GE(elapsed.elapsed(), 245);

        // Closing waits only briefly for a thread stuck in the audio system.
        elapsed.restart();
        QVERIFY(!player.shutDown());
        QCOMPARE_LE(elapsed.elapsed(), SoundPlayer::StopAllowanceMs + 50);
        hang.release(3);
        QVERIFY(player.shutDown(5000));

        // A player destroyed meanwhile leaves its thread to the process, which frees it once
        // it has ended.
        QSemaphore stuck;
        QSemaphore entered;
        auto leaving = std::make_unique<SoundPlayer>(
            sounds, std::make_unique<FakeBackend>(0, &stuck, nullptr, &entered));
        leaving->playAndReturn(u"good.wav"_s);
        QVERIFY(entered.tryAcquire(1, 5000));
        leaving.reset();
        QCOMPARE(SoundPlayer::threadsLeftBehind(), 1);
        stuck.release();
        QTRY_COMPARE_WITH_TIMEOUT(SoundPlayer::threadsLeftBehind(), 0, 5000);
    }

    // A stopped wait ends without a word to its caller, and the backend silences the sound;
    // folders and volume go with each request as they were when it was asked for.
    void requestsCarryTheirSettingsAndCanBeStopped()
    {
        FakeBackend::Record asked;
        SoundPlayer player(sounds, std::make_unique<FakeBackend>(10'000, nullptr, &asked));
        QCOMPARE(player.volume(), 100);
        int finished = 0;
        player.playAndWait(u"red.wav"_s, [&finished] { ++finished; });
        player.setCallFolders({u"de/"_s, QString()});
        player.setVolume(140);
        QCOMPARE(player.volume(), 100);
        player.setVolume(40);
        player.playAndWait(u"blue.wav"_s, [&finished] { ++finished; });
        player.setVolume(-3);
        player.playAndWait(u"red.wav"_s, [&finished] { ++finished; });
        player.stop(u"red.wav"_s);
        QTest::qWait(SoundPlayer::StartAllowanceMs + 50);
        QCOMPARE(finished, 0); // blue plays on
        QVERIFY(player.shutDown(1000));

        QCOMPARE(asked.requests.size(), 3);
        QCOMPARE(asked.requests[0].folders, QStringList{QString()});
        QCOMPARE(asked.requests[0].volumePercent, 100);
        QCOMPARE(asked.requests[1].folders, (QStringList{u"de/"_s, QString()}));
        QCOMPARE(asked.requests[1].volumePercent, 40);
        QCOMPARE(asked.requests[2].volumePercent, 0);
        std::sort(asked.stopped.begin(), asked.stopped.end());
        QCOMPARE(asked.stopped, (QList<quint64>{asked.requests[0].id, asked.requests[2].id}));
    }

    void returnModePlaysTheDefaultSoundInstead()
    {
        SoundPlayer player(sounds);
        int defaults = 0;
        player.setDefaultSound([&defaults] { ++defaults; });
        player.playAndReturn(u"About.wav"_s);
        QTRY_COMPARE_WITH_TIMEOUT(defaults, 1, 200);
        player.playAndReturn(u"corrupt.wav"_s);
        QTRY_COMPARE_WITH_TIMEOUT(defaults, 2, 200);
        player.playAndReturn(u"good.wav"_s); // nothing to play it on
        QTRY_COMPARE_WITH_TIMEOUT(defaults, 3, 200);
    }

#ifdef LIMBORA_PULSE
    // A server that takes connections and never answers, as a suspended one does: each sound is
    // given up within its bound, its connection closed, and the next sound connects afresh.
    void stalledServerIsGivenUpAndConnectedAfresh()
    {
        QLocalServer server;
        const QString socket = dir.path() + u"/native"_s;
        QVERIFY(server.listen(socket));
        const QByteArray previous = qgetenv("PULSE_SERVER");
        qputenv("PULSE_SERVER", "unix:" + socket.toLocal8Bit());
        PulseBackend backend(sounds, 50);
        QSignalSpy started(&backend, &SoundBackend::started);
        QSignalSpy failed(&backend, &SoundBackend::failed);
        for (quint64 id = 1; id <= 2; ++id) {
            QElapsedTimer elapsed;
            elapsed.start();
            backend.play({id, u"good.wav"_s, true, 0});
            QTRY_COMPARE_WITH_TIMEOUT(failed.size(), int(id), 1000);
            QCOMPARE(failed.last().at(0).toULongLong(), id);
            QCOMPARE_LE(elapsed.elapsed(), 500);
            QLocalSocket *client = server.nextPendingConnection();
            QVERIFY(client);
            QTRY_COMPARE_WITH_TIMEOUT(client->state(), QLocalSocket::UnconnectedState, 500);
        }
        QVERIFY(started.isEmpty());
        qputenv("PULSE_SERVER", previous);
    }
#endif

    // The setting follows loudness: each halving is 10 dB down, heard as half as loud; both
    // backends play the same gain.
    void volumeFollowsLoudness_data()
    {
        QTest::addColumn<int>("percent");
        QTest::addColumn<double>("decibels"); // -1000: silent
        QTest::newRow("full") << 100 << 0.0;
        QTest::newRow("three quarters") << 75 << -4.15;
        QTest::newRow("half") << 50 << -10.0;
        QTest::newRow("a quarter") << 25 << -20.0;
        QTest::newRow("a tenth") << 10 << -33.22;
        QTest::newRow("one") << 1 << -66.44;
        QTest::newRow("none") << 0 << -1000.0;
        QTest::newRow("above the range") << 250 << 0.0;
        QTest::newRow("below the range") << -3 << -1000.0;
    }

    void volumeFollowsLoudness()
    {
        QFETCH(int, percent);
        QFETCH(double, decibels);
        const auto near = [decibels](double gain) {
            return decibels < -999 ? gain == 0.0 : qAbs(20 * std::log10(gain) - decibels) < 0.05;
        };
        QVERIFY2(near(volumeGain(percent)), qPrintable(QString::number(volumeGain(percent))));
        QVERIFY(near(linearVolume(percent)));
        // Where it is put into the samples themselves (waveOut): the same gain, around silence.
        const QByteArray loud16 = QByteArray::fromHex("ff7f0080"); // +32767, -32768
        const QByteArray loud8 = QByteArray::fromHex("ff0080"); // top, bottom, silence
        const double gain = volumeGain(percent);
        const QByteArray at16 = samplesAtVolume(loud16, 16, percent);
        QCOMPARE(qFromLittleEndian<qint16>(at16.constData()), qint16(std::lround(32767 * gain)));
        QCOMPARE(qFromLittleEndian<qint16>(at16.constData() + 2),
                 qint16(std::lround(-32768 * gain)));
        const QByteArray at8 = samplesAtVolume(loud8, 8, percent);
        QCOMPARE(quint8(at8[0]), quint8(128 + std::lround(127 * gain)));
        QCOMPARE(quint8(at8[1]), quint8(128 + std::lround(-128 * gain)));
        QCOMPARE(quint8(at8[2]), quint8(128));
#ifdef LIMBORA_PULSE
        QVERIFY(near(pa_sw_volume_to_linear(pulseVolume(percent))));
        if (percent >= 100) {
            QCOMPARE(pulseVolume(percent), quint32(PA_VOLUME_NORM));
        }
#endif
    }

#ifdef LIMBORA_PULSE
    // Answers seen from PulseAudio's null sink, which renders up to two seconds ahead: the end
    // is where the sound's last sample lies, not where the sink's buffer ends.
    void audibleEndIsTheLastSamplesNotTheSinks()
    {
        constexpr qint64 ms = 1'000'000;
        StreamTiming timing;
        timing.answeredNs = 10'000 * ms;
        timing.playedByNs = timing.answeredNs + 600 * ms;
        // Still flowing: what the stream holds, then what the sink holds.
        timing.playing = true;
        timing.queuedNs = 900 * ms;
        timing.sinkNs = 50 * ms;
        QCOMPARE(audibleEndNs(timing), timing.answeredNs + 950 * ms);
        // Run dry, the whole word in a 2 s sink buffer followed by 1046 ms of silence.
        timing.playing = false;
        timing.queuedNs = 0;
        timing.sinkNs = 2000 * ms;
        timing.dryNs = 1046 * ms;
        QCOMPARE(audibleEndNs(timing), timing.answeredNs + 954 * ms);
        // Long since heard: not before the word could have played...
        timing.dryNs = 3000 * ms;
        QCOMPARE(audibleEndNs(timing), timing.playedByNs);
        // ... and however far ahead a server says it is, the call is not held past a second.
        timing.playing = true;
        timing.sinkNs = 60'000 * ms;
        QCOMPARE(audibleEndNs(timing), timing.playedByNs + 1000 * ms);
    }
#endif

    void gameWithoutSoundsKeepsItsTimings()
    {
        QTemporaryDir empty;
        SoundPlayer player(empty.path() + u'/');
        FakeClock clock;
        ScriptedRandom random;
        QStringList asked;
        GameSequencer game(
            clock, random,
            [&](const QString &name, std::function<void()> finished) {
                asked << name;
                player.playAndWait(name, std::move(finished));
            },
            Black);

        const qint64 start = clock.now();
        game.start();
        for (int call = 0; call < 3; ++call) {
            clock.advanceTo(start + 10000 + call * 7000);
            QCOMPARE(asked.size(), 2 * call + 1);
            QTRY_COMPARE_WITH_TIMEOUT(asked.size(), 2 * call + 2, 100);
            QTRY_COMPARE_WITH_TIMEOUT(game.phase(), GameSequencer::Phase::Pause, 100);
            clock.advanceTo(start + 10000 + call * 7000 + 6999);
            QCOMPARE(asked.size(), 2 * call + 2);
        }
    }

private:
    QTemporaryDir dir;
    QString sounds;
};

QTEST_MAIN(TestSoundPlayer)
#include "tst_soundplayer.moc"
