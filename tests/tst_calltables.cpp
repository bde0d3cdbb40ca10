// SPDX-License-Identifier: GPL-3.0-or-later
#include "calltables.h"
#include "randomsource.h"

#include <QTest>

#include <array>
#include <cmath>

using namespace Qt::StringLiterals;

class TestCallTables : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tables()
    {
        const QStringList texts{u"LEFT HAND"_s, u"RIGHT HAND"_s, u"LEFT FOOT"_s, u"RIGHT FOOT"_s};
        const QStringList words{u"GREEN"_s, u"YELLOW"_s, u"BLUE"_s, u"RED"_s};
        const std::array<Rgb, 4> rgbs{{{0, 255, 0}, {255, 205, 0}, {0, 0, 255}, {255, 0, 0}}};
        for (qint16 number = 1; number <= 4; ++number) {
            QCOMPARE(QString::fromLatin1(limb(number).word), texts.at(number - 1));
            QCOMPARE(QString::fromLatin1(colour(number).word), words.at(number - 1));
            QCOMPARE(colour(number).rgb, rgbs.at(number - 1));
            // The sound is the shown words in lower case without blanks.
            QCOMPARE(limb(number).sound, texts.at(number - 1).toLower().remove(u' ') + u".wav"_s);
            QCOMPARE(colour(number).sound, words.at(number - 1).toLower() + u".wav"_s);
        }
        QCOMPARE(callSounds().size(), 8);
        QCOMPARE(QStringList(callSounds()).removeDuplicates(), 0);
    }

    void hex()
    {
        QCOMPARE((Rgb{255, 205, 0}).hex(), u"#ffcd00"_s);
        QCOMPARE(Black.hex(), u"#000000"_s);
        QCOMPARE((Rgb{1, 10, 171}).hex(), u"#010aab"_s);
    }

    void drawBounds_data()
    {
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("expected");
        QTest::newRow("zero") << 0.0f << 1;
        QTest::newRow("just below a quarter") << std::nextafter(0.25f, 0.0f) << 1;
        QTest::newRow("a quarter") << 0.25f << 2;
        QTest::newRow("a half") << 0.5f << 3;
        QTest::newRow("three quarters") << 0.75f << 4;
        QTest::newRow("largest single below 1") << 1.0f - 0x1p-24f << 4;
    }

    void drawBounds()
    {
        QFETCH(float, r);
        QFETCH(int, expected);
        QCOMPARE(drawNumber(DrawUpper, DrawLower, r), qint16(expected));
    }

    void drawIsUniformAndWithinBounds()
    {
        SystemRandom random;
        random.reseed();
        std::array<int, 4> counts{};
        constexpr int Draws = 40000;
        for (int i = 0; i < Draws; ++i) {
            const float r = random.next();
            QVERIFY(r >= 0.0f && r < 1.0f);
            QCOMPARE(std::ldexp(r, 24), std::floor(std::ldexp(r, 24))); // 24 bits
            const qint16 number = drawNumber(DrawUpper, DrawLower, r);
            QVERIFY(number >= 1 && number <= 4);
            ++counts[std::size_t(number - 1)];
        }
        for (int count : counts) {
            QVERIFY2(std::abs(count - Draws / 4) < Draws / 40, qPrintable(QString::number(count)));
        }
    }

    void reseedingStartsAnotherSequence()
    {
        SystemRandom first;
        SystemRandom second;
        first.reseed();
        QTest::qSleep(2); // a clock tick apart, as two games are
        second.reseed();
        QList<float> a;
        QList<float> b;
        for (int i = 0; i < 8; ++i) {
            a << first.next();
            b << second.next();
        }
        QVERIFY(a != b);
    }
};

QTEST_GUILESS_MAIN(TestCallTables)
#include "tst_calltables.moc"
