// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsfixture.h"
#include "takeprocessing.h"
#include "voicefolder.h"

#include <QFile>
#include <QStandardPaths>
#include <QTest>
#include <QtEndian>

#include <cmath>
#include <numbers>
#include <random>

using namespace Qt::StringLiterals;

namespace {

constexpr int Rate = 22050;

// A room: low steady hiss, the same at every run.
std::vector<float> room(double seconds, float level = 0.0005f)
{
    std::mt19937 generator(7);
    std::normal_distribution<float> noise(0.0f, level);
    std::vector<float> x(size_t(seconds * Rate));
    for (float &v : x) {
        v = noise(generator);
    }
    return x;
}

// A vowel: a few harmonics of 180 Hz under a smooth swell.
void addVowel(std::vector<float> &x, double from, double seconds, float level)
{
    const auto begin = size_t(from * Rate);
    const auto count = size_t(seconds * Rate);
    for (size_t i = 0; i < count && begin + i < x.size(); ++i) {
        const double t = double(i) / Rate;
        const double swell = std::sin(std::numbers::pi * double(i) / double(count));
        double v = 0;
        for (int h = 1; h <= 5; ++h) {
            v += std::sin(2 * std::numbers::pi * 180 * h * t) / h;
        }
        x[begin + i] += float(level * swell * v);
    }
}

// The release burst of a stop: 6 ms of noise, well below the vowel that follows.
void addBurst(std::vector<float> &x, double at, float level)
{
    std::mt19937 generator(3);
    std::uniform_real_distribution<float> noise(-level, level);
    for (size_t i = 0; i < size_t(0.006 * Rate); ++i) {
        x[size_t(at * Rate) + i] += noise(generator);
    }
}

double energy(const std::vector<float> &x, size_t from, size_t to)
{
    double sum = 0;
    for (size_t i = from; i < std::min(to, x.size()); ++i) {
        sum += double(x[i]) * x[i];
    }
    return sum;
}

} // namespace

class TestTakeProcessing : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void plosiveStartIsKept()
    {
        // "b..." : burst at 0.50 s, a 40 ms gap, the vowel from 0.546 s; then the room again.
        std::vector<float> take = room(1.5);
        addBurst(take, 0.50, 0.08f);
        addVowel(take, 0.546, 0.35, 0.3f);
        const auto result = TakeProcessing::process(take, Rate);
        QCOMPARE(result.verdict, TakeProcessing::Verdict::Kept);
        QVERIFY(!result.clipped);

        // Where the take's samples went: its loudest one marks the place in both.
        const auto &out = result.samples;
        const auto loudestOf = [](const std::vector<float> &x) {
            return size_t(
                std::max_element(x.begin(), x.end(),
                                 [](float a, float b) { return std::abs(a) < std::abs(b); })
                - x.begin());
        };
        QVERIFY(loudestOf(take) > loudestOf(out));
        const size_t shift = loudestOf(take) - loudestOf(out);
        QVERIFY2(size_t(0.50 * Rate) > shift, "the cut starts after the burst");
        const size_t burstAt = size_t(0.50 * Rate) - shift;
        const double burst = energy(out, burstAt, burstAt + size_t(0.006 * Rate));
        const double before = energy(out, 0, size_t(0.006 * Rate));
        QVERIFY2(burst > 100 * before, "the burst is no longer above the lead-in");
        QVERIFY(burstAt < size_t(0.030 * Rate));
    }

    void levelledWithTheShippedWordsAndWellFormed_data()
    {
        QTest::addColumn<float>("level");
        QTest::newRow("whispered") << 0.01f;
        QTest::newRow("spoken") << 0.2f;
        QTest::newRow("shouted, peaks limited") << 0.6f;
    }

    void levelledWithTheShippedWordsAndWellFormed()
    {
        QFETCH(float, level);
        std::vector<float> take = room(1.2, level / 400);
        addVowel(take, 0.3, 0.5, level);
        const auto result = TakeProcessing::process(take, Rate);
        QCOMPARE(result.verdict, TakeProcessing::Verdict::Kept);
        QVERIFY2(std::abs(result.loudness - TakeProcessing::TargetLufs) < 0.5,
                 qPrintable(QString::number(result.loudness)));

        // The WAV: 16-bit PCM mono at the take's rate, sizes that agree, peaks under -1 dBFS,
        // and a quarter second of silence at its end.
        const QByteArray &wav = result.wav;
        QCOMPARE(wav.left(4), "RIFF");
        QCOMPARE(qFromLittleEndian<quint32>(wav.constData() + 4), quint32(wav.size() - 8));
        QCOMPARE(wav.mid(8, 8), "WAVEfmt ");
        QCOMPARE(qFromLittleEndian<quint16>(wav.constData() + 20), 1);
        QCOMPARE(qFromLittleEndian<quint16>(wav.constData() + 22), 1);
        QCOMPARE(qFromLittleEndian<quint32>(wav.constData() + 24), quint32(Rate));
        QCOMPARE(qFromLittleEndian<quint16>(wav.constData() + 34), 16);
        QCOMPARE(qFromLittleEndian<quint32>(wav.constData() + 40), quint32(wav.size() - 44));
        const qsizetype count = (wav.size() - 44) / 2;
        int peak = 0;
        int tail = 0;
        for (qsizetype i = 0; i < count; ++i) {
            const int v = std::abs(qFromLittleEndian<qint16>(wav.constData() + 44 + 2 * i));
            peak = std::max(peak, v);
            if (i >= count - qsizetype(0.2 * Rate)) {
                tail = std::max(tail, v);
            }
        }
        QVERIFY(peak <= int(32767 * std::pow(10.0, -1.0 / 20)) + 1);
        QCOMPARE(tail, 0);
    }

    void silenceIsRefused_data()
    {
        QTest::addColumn<std::vector<float>>("take");
        QTest::newRow("nothing") << std::vector<float>();
        QTest::newRow("digital silence") << std::vector<float>(Rate * 2, 0.0f);
        QTest::newRow("a quiet room") << room(2.0);
        QTest::newRow("a loud hiss, nothing said") << room(2.0, 0.05f);
    }

    void silenceIsRefused()
    {
        QFETCH(std::vector<float>, take);
        const auto result = TakeProcessing::process(take, Rate);
        QCOMPARE(result.verdict, TakeProcessing::Verdict::Silent);
        QVERIFY(result.wav.isEmpty());
    }

    void clippedInputIsReported()
    {
        std::vector<float> take = room(1.0);
        addVowel(take, 0.3, 0.4, 1.6f);
        for (float &v : take) {
            v = std::clamp(v, -1.0f, 1.0f); // the converter's limit
        }
        const auto result = TakeProcessing::process(take, Rate);
        QCOMPARE(result.verdict, TakeProcessing::Verdict::Kept);
        QVERIFY(result.clipped);

        std::vector<float> clean = room(1.0);
        addVowel(clean, 0.3, 0.4, 0.5f);
        QVERIFY(!TakeProcessing::process(clean, Rate).clipped);
    }

    // The measure agrees with BS.1770's reference point: a 997 Hz sine at -20 dBFS peak on one
    // channel reads -23 LUFS (within the K-weighting's 0.1 dB at that frequency).
    void loudnessMeasure()
    {
        std::vector<float> tone(size_t(Rate * 2));
        for (size_t i = 0; i < tone.size(); ++i) {
            tone[i] = float(0.1 * std::sin(2 * std::numbers::pi * 997 * double(i) / Rate));
        }
        QVERIFY(std::abs(TakeProcessing::integratedLoudness(tone, Rate) + 23.0) < 0.2);
        QVERIFY(std::isinf(TakeProcessing::integratedLoudness(std::vector<float>(Rate), Rate)));
    }

    void recordingsAreStoredWholeInTheLanguagesFolder()
    {
        TemporaryDataHome home;
        QCOMPARE(VoiceFolder::path(u"de"_s), home.path() + u"/Limbora/voices/de/"_s);

        QVERIFY(VoiceFolder::store(u"de"_s, u"red.wav"_s, "RIFF...."));
        QVERIFY(VoiceFolder::has(u"de"_s, u"red.wav"_s));
        QVERIFY(!VoiceFolder::has(u"en"_s, u"red.wav"_s));
        QVERIFY(VoiceFolder::remove(u"de"_s, u"red.wav"_s));
        QVERIFY(!VoiceFolder::has(u"de"_s, u"red.wav"_s));

        // Something else in a recording's place is never written through or removed.
        QVERIFY(QDir().mkpath(home.path() + u"/Limbora/voices/de/blue.wav"_s));
        QVERIFY(!VoiceFolder::store(u"de"_s, u"blue.wav"_s, "RIFF...."));
        QVERIFY(!VoiceFolder::remove(u"de"_s, u"blue.wav"_s));
        QVERIFY(!VoiceFolder::has(u"de"_s, u"blue.wav"_s));
    }
};

QTEST_GUILESS_MAIN(TestTakeProcessing)
#include "tst_takeprocessing.moc"
