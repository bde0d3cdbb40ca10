// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamesettings.h"
#include "settingsfixture.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Every value away from its default, so a fallback shows.
GameSettings unusual()
{
    GameSettings values;
    values.game.pauseSeconds = 12;
    values.game.countdownSeconds = 30;
    values.game.limbs = {1, 2};
    values.game.colours = {4};
    values.game.spoken = false;
    values.game.repeatsAllowed = false;
    values.game.waitForNext = true;
    values.startFullScreen = true;
    values.volume = 35;
    values.ownVoice = true;
    values.gameSounds = true;
    // Qt's own escapes, the list's separator and its escape, a letter beyond ASCII.
    values.players = {u"@Variant(x)"_s, u"Zoë, 2nd"_s, u"100% \"Ben\""_s};
    return values;
}

const char *const UnusualText
    = "[Game]\nPauseSeconds=12\nCountdownSeconds=30\n"
      "Limbs=\"lefthand,righthand\"\nColours=red\nSpoken=false\n"
      "RepeatsAllowed=false\nStartFullScreen=true\nVolume=35\nVoice=own\nGameSounds=true\n"
      "WaitForNext=true\n"
      "Players=%40Variant(x),Zo\xc3\xab%2C 2nd,100%25 \\\"Ben\\\"\n";

} // namespace

class TestGameSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        config = std::make_unique<TemporaryConfig>();
        QVERIFY(config->isValid());
    }

    void noSectionIsTheClassicGame()
    {
        QCOMPARE(readGameSettings(), GameSettings());
        writeFile("[Settings]\nMainLeft=1000\n");
        QCOMPARE(readGameSettings(), GameSettings());
    }

    void damagedValueFallsBackAlone_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("pause zero") << u"PauseSeconds"_s << u"0"_s;
        QTest::newRow("pause too long") << u"PauseSeconds"_s << u"61"_s;
        QTest::newRow("pause overflowing") << u"PauseSeconds"_s << u"4294967303"_s;
        QTest::newRow("pause fraction") << u"PauseSeconds"_s << u"7.5"_s;
        QTest::newRow("pause empty") << u"PauseSeconds"_s << QString();
        QTest::newRow("countdown too short") << u"CountdownSeconds"_s << u"2"_s;
        QTest::newRow("countdown words") << u"CountdownSeconds"_s << u"ten"_s;
        QTest::newRow("limbs unknown") << u"Limbs"_s << u"lefthand,tail"_s;
        QTest::newRow("limbs empty") << u"Limbs"_s << QString();
        QTest::newRow("colours unknown") << u"Colours"_s << u"purple"_s;
        QTest::newRow("spoken") << u"Spoken"_s << u"maybe"_s;
        QTest::newRow("repeats") << u"RepeatsAllowed"_s << u"2"_s;
        QTest::newRow("full screen") << u"StartFullScreen"_s << u"on"_s;
        QTest::newRow("volume too loud") << u"Volume"_s << u"101"_s;
        QTest::newRow("volume negative") << u"Volume"_s << u"-1"_s;
        QTest::newRow("volume per cent sign") << u"Volume"_s << u"50%"_s;
        QTest::newRow("voice unknown") << u"Voice"_s << u"robot"_s;
        QTest::newRow("voice empty") << u"Voice"_s << QString();
        QTest::newRow("game sounds") << u"GameSounds"_s << u"loud"_s;
        QTest::newRow("wait for next") << u"WaitForNext"_s << u"yes"_s;
        QTest::newRow("players only blanks") << u"Players"_s << u" , \t,"_s;
    }

    void damagedValueFallsBackAlone()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        writeFile(UnusualText);
        StoredSettings().setValue(u"Game/"_s + key, value);

        GameSettings expected = unusual();
        const GameSettings defaults;
        if (key == u"PauseSeconds") {
            expected.game.pauseSeconds = defaults.game.pauseSeconds;
        } else if (key == u"CountdownSeconds") {
            expected.game.countdownSeconds = defaults.game.countdownSeconds;
        } else if (key == u"Limbs") {
            expected.game.limbs = defaults.game.limbs;
        } else if (key == u"Colours") {
            expected.game.colours = defaults.game.colours;
        } else if (key == u"Spoken") {
            expected.game.spoken = defaults.game.spoken;
        } else if (key == u"RepeatsAllowed") {
            expected.game.repeatsAllowed = defaults.game.repeatsAllowed;
        } else if (key == u"Volume") {
            expected.volume = defaults.volume;
        } else if (key == u"Voice") {
            expected.ownVoice = defaults.ownVoice;
        } else if (key == u"GameSounds") {
            expected.gameSounds = defaults.gameSounds;
        } else if (key == u"WaitForNext") {
            expected.game.waitForNext = defaults.game.waitForNext;
        } else if (key == u"Players") {
            expected.players = defaults.players;
        } else {
            expected.startFullScreen = defaults.startFullScreen;
        }
        QCOMPARE(readGameSettings(), expected);
    }

    // Both ends of every range are the user's to choose, and stay as chosen.
    void rangeEndsAreKept()
    {
        for (const bool highest : {false, true}) {
            GameSettings chosen = unusual();
            chosen.game.pauseSeconds
                = highest ? GameOptions::MaxPauseSeconds : GameOptions::MinPauseSeconds;
            chosen.game.countdownSeconds
                = highest ? GameOptions::MaxCountdownSeconds : GameOptions::MinCountdownSeconds;
            chosen.volume = highest ? GameSettings::MaxVolume : GameSettings::MinVolume;
            QVERIFY(writeGameSettings(chosen));
            QCOMPARE(readGameSettings(), chosen);
        }
    }

    void handWrittenValuesAreRead()
    {
        writeFile(
            "[Game]\nPauseSeconds= 12 \nCountdownSeconds=30\nLimbs=righthand, LeftHand, "
            "lefthand\nColours=red\nSpoken=FALSE\nRepeatsAllowed=false\n"
            "StartFullScreen=True\nVolume= 35\nVoice= Own\nGameSounds= TRUE\nWaitForNext=True\n"
            "Players=%40Variant(x), Zo\xc3\xab%2C 2nd , 100%25 \\\"Ben\\\"\n");
        QCOMPARE(readGameSettings(), unusual());
    }

    void writtenValuesReadBackAndOthersStay()
    {
        writeFile("[Game]\nFutureOption=42\nPauseSeconds=abc\n\n[Settings]\nMainLeft=1507\n");
        QVERIFY(writeGameSettings(unusual()));
        QCOMPARE(readGameSettings(), unusual());
        StoredSettings settings;
        QCOMPARE(settings.value(u"Game/FutureOption"_s).toString(), u"42"_s);
        QCOMPARE(settings.value(u"Settings/MainLeft"_s).toString(), u"1507"_s);
        QCOMPARE(settings.value(u"Game/PauseSeconds"_s).toString(), u"12"_s);
        QCOMPARE(settings.value(u"Game/Voice"_s).toString(), u"own"_s);
    }

    void somethingElseInTheFilesPlaceIsLeftAlone()
    {
        QVERIFY(QDir(config->path()).mkpath(SettingsFileName));
        QCOMPARE(readGameSettings(), GameSettings());
        QVERIFY(!writeGameSettings(unusual()));
        QVERIFY(QFileInfo(file()).isDir());
    }

    // However many and however long the names, the stage gets a bounded list it can show.
    void playersAreBounded()
    {
        const QString longName = QString(23, u'a') + u"😀tail"_s; // cut would split the emoji
        const QStringList tidy = tidyPlayers(QStringList{u" \tAl\x01\nice "_s, longName, u""_s}
                                             + QStringList(12, u"Kim"_s));
        QCOMPARE(tidy.size(), GameSettings::MaxPlayers);
        QCOMPARE(tidy.at(0), u"Al ice"_s);
        QCOMPARE(tidy.at(1), QString(23, u'a'));
        QCOMPARE(tidy.last(), u"Kim"_s);
    }

    // Every key Limbora writes is told where a host looks for it.
    void everyKeyIsDocumented_data()
    {
        QTest::addColumn<QString>("document");
        QTest::newRow("manual page") << u"assets/desktop/limbora.6"_s;
        QTest::newRow("README") << u"README.md"_s;
    }

    void everyKeyIsDocumented()
    {
        QFETCH(QString, document);
        QVERIFY(writeGameSettings(GameSettings()));
        StoredSettings settings;
        settings.beginGroup(u"Game"_s);
        const QStringList keys = settings.childKeys();
        QVERIFY(!keys.isEmpty());
        QFile text(QStringLiteral(LIMBORA_SOURCE_DIR "/") + document);
        QVERIFY(text.open(QIODevice::ReadOnly));
        const QString told = QString::fromUtf8(text.readAll());
        QStringList untold;
        for (const QString &key : keys) {
            if (!told.contains(QRegularExpression(u"\\b"_s + key + u"\\b"_s))) {
                untold << key;
            }
        }
        QVERIFY2(untold.isEmpty(), qPrintable(untold.join(u", "_s)));
    }

private:
    QString file() const { return config->settingsFile(); }

    void writeFile(const char *text)
    {
        QVERIFY(QDir(config->path()).mkpath(u"Limbora"_s));
        QFile out(file());
        QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(text);
    }

    std::unique_ptr<TemporaryConfig> config;
};

QTEST_GUILESS_MAIN(TestGameSettings)
#include "tst_gamesettings.moc"
