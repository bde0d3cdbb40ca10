// SPDX-License-Identifier: GPL-3.0-or-later
// The libpulse backend against a real PulseAudio server of the test's own (a null sink), in real
// time: what the player is told of a sound must match what the server plays.
#include "pulsebackend.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <signal.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray silentWav(int bits, int ms)
{
    const int rate = 22050;
    const int bytes = rate * ms / 1000 * bits / 8;
    QByteArray wav = "RIFF";
    const auto put32 = [&wav](quint32 value) {
        char raw[4];
        qToLittleEndian(value, raw);
        wav.append(raw, 4);
    };
    const auto put16 = [&wav](quint16 value) {
        char raw[2];
        qToLittleEndian(value, raw);
        wav.append(raw, 2);
    };
    put32(quint32(36 + bytes));
    wav += "WAVEfmt ";
    put32(16);
    put16(1);
    put16(1);
    put32(rate);
    put32(quint32(rate * bits / 8));
    put16(quint16(bits / 8));
    put16(quint16(bits));
    wav += "data";
    put32(quint32(bytes));
    return wav + QByteArray(bytes, bits == 8 ? '\x80' : '\0');
}

} // namespace

class TestPulseBackend : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        const QString socket = dir.filePath(u"native"_s);
        QFile script(dir.filePath(u"null.pa"_s));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("load-module module-native-protocol-unix auth-anonymous=1 socket="
                     + socket.toLocal8Bit()
                     // A sink that rewinds puts the next sound on a flushed stream up to a
                     // second late in the server's timing answer.
                     + "\nload-module module-null-sink sink_name=nullsink norewinds=1\n"
                       "set-default-sink nullsink\n");
        script.close();
        server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        server.start(u"pulseaudio"_s,
                     {u"-n"_s, u"-F"_s, script.fileName(), u"--daemonize=no"_s,
                      u"--use-pid-file=no"_s, u"--exit-idle-time=-1"_s});
        if (!server.waitForStarted(2000)) {
            QSKIP("no PulseAudio server to test against");
        }
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(socket), 5000);
        qputenv("PULSE_SERVER", "unix:" + socket.toLocal8Bit());
        sounds = dir.path() + u'/';
        for (const auto &[name, bits, ms] : {std::tuple{u"word.wav"_s, 16, 400},
                                             {u"other.wav"_s, 8, 400},
                                             {u"long.wav"_s, 16, 3000}}) {
            QFile file(sounds + name);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(silentWav(bits, ms));
        }
    }

    void cleanupTestCase()
    {
        if (server.state() != QProcess::NotRunning) {
            ::kill(pid_t(server.processId()), SIGCONT);
            server.terminate();
            server.waitForFinished(2000);
        }
    }

    // The end told is when the last sample is heard, not when the data was handed over.
    void endIsWhenTheLastSampleIsHeard()
    {
        PulseBackend backend(sounds);
        backend.preload({u"word.wav"_s}, {QString()});
        QSignalSpy started(&backend, &SoundBackend::started);
        QSignalSpy failed(&backend, &SoundBackend::failed);
        for (quint64 id = 1; id <= 2; ++id) { // a fresh stream, then one kept from before
            const qint64 asked = monotonicNs();
            backend.play({id, u"word.wav"_s, true, asked + 200'000'000});
            // The first report, and any later one that moves the end, for this sound.
            QTest::qWait(600);
            QList<qint64> ends;
            for (const QList<QVariant> &report : std::as_const(started)) {
                if (report.at(0).toULongLong() == id) {
                    ends.append((report.at(1).toLongLong() - asked) / 1'000'000);
                }
            }
            QVERIFY(!ends.isEmpty());
            for (const qint64 endMs : std::as_const(ends)) {
                QCOMPARE_GE(endMs, 390);
                QCOMPARE_LE(endMs, 520);
            }
        }
        QVERIFY(failed.isEmpty());
    }

    // A sound stopped early leaves nothing in its stream: the next one there is heard alone and
    // ends when it would on its own.
    void stoppedSoundLeavesNothingBehind()
    {
        PulseBackend backend(sounds);
        backend.preload({u"long.wav"_s, u"word.wav"_s}, {QString()});
        QTest::qWait(300); // connected, streams opened ahead
        QSignalSpy started(&backend, &SoundBackend::started);
        // Both streams kept for the format play a long sound, stopped a moment in.
        for (const quint64 id : {1, 2}) {
            backend.play({id, u"long.wav"_s, true, monotonicNs() + 200'000'000});
        }
        QTRY_VERIFY_WITH_TIMEOUT(started.count() >= 2, 1000);
        QTest::qWait(200);
        backend.stop(1);
        backend.stop(2);
        QTest::qWait(100);
        for (quint64 id = 3; id <= 4; ++id) {
            started.clear();
            const qint64 asked = monotonicNs();
            backend.play({id, u"word.wav"_s, true, asked + 200'000'000});
            QTest::qWait(700);
            QVERIFY(!started.isEmpty());
            QCOMPARE(started.last().at(0).toULongLong(), id);
            const qint64 endMs = (started.last().at(1).toLongLong() - asked) / 1'000'000;
            QCOMPARE_GE(endMs, 390);
            QCOMPARE_LE(endMs, 600);
        }
    }

    // A sound whose stream is ready only after its caller gave up on it never plays then.
    void soundGivenUpNeverPlaysLater()
    {
        PulseBackend backend(sounds);
        backend.preload({u"word.wav"_s}, {QString()});
        QTest::qWait(300); // connected, streams opened ahead
        QSignalSpy started(&backend, &SoundBackend::started);
        QVERIFY(::kill(pid_t(server.processId()), SIGSTOP) == 0);
        backend.play({7, u"other.wav"_s, true, monotonicNs() + 100'000'000});
        QTest::qWait(300);
        QVERIFY(::kill(pid_t(server.processId()), SIGCONT) == 0);
        QTest::qWait(500);
        QVERIFY(started.isEmpty());
        // The server is fine again: the next sound plays.
        backend.play({8, u"word.wav"_s, true, monotonicNs() + 200'000'000});
        QTRY_VERIFY_WITH_TIMEOUT(!started.isEmpty(), 1000);
        QCOMPARE(started.last().at(0).toULongLong(), 8ULL);
    }

private:
    QTemporaryDir dir;
    QProcess server;
    QString sounds;
};

QTEST_GUILESS_MAIN(TestPulseBackend)
#include "tst_pulsebackend.moc"
