// SPDX-License-Identifier: GPL-3.0-or-later
#include "configuredialog.h"
#include "helplauncher.h"
#include "language.h"
#include "mainwindow.h"
#include "soundplayer.h"
#include "takeprocessing.h"
#include "voicefolder.h"
#include "windowfixture.h"

#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QSettings>
#include <QSlider>
#include <QSpinBox>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

// Settings > Configure Limbora…: the game's options, kept only on OK.
class TestConfigureDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { config = std::make_unique<TemporaryConfig>(); }

    void cleanup() { config.reset(); }

    void configureAppliesAndStoresOnlyOnOk()
    {
        auto program = std::make_unique<Program>();
        auto *dialog = openConfigure(*program);
        QVERIFY(dialog && dialog->isVisible() && !dialog->isModal());
        dialog->findChild<QSpinBox *>(u"spnPause"_s)->setValue(3);
        dialog->reject();
        QTRY_VERIFY(!program->window.findChild<ConfigureDialog *>());
        QCOMPARE(program->game.sequencer()->options(), GameOptions());
        QVERIFY(!StoredSettings().childGroups().contains(u"Game"_s));

        dialog = openConfigure(*program);
        dialog->findChild<QSpinBox *>(u"spnPause"_s)->setValue(3);
        dialog->findChild<QCheckBox *>(u"chkLeftFoot"_s)->setChecked(false);
        dialog->findChild<QCheckBox *>(u"chkStartFullScreen"_s)->setChecked(true);
        dialog->findChild<QCheckBox *>(u"chkGameSounds"_s)->setChecked(true);
        QCOMPARE(program->player.volume(), 100);
        dialog->findChild<QSlider *>(u"sldVolume"_s)->setValue(40);
        QCOMPARE(program->player.volume(), 100); // nothing applies before OK
        const GameSettings chosen = dialog->values();
        QCOMPARE(chosen.volume, 40);
        QVERIFY(chosen.gameSounds);
        dialog->accept();
        QCOMPARE(program->player.volume(), 40);
        QCOMPARE(program->game.sequencer()->options().pauseSeconds, 3);
        QCOMPARE(program->game.sequencer()->options().limbs, (QList<qint16>{1, 2, 4}));
        QCOMPARE(readGameSettings(), chosen);
        QVERIFY(program->game.settings().startFullScreen);
    }

    // Configure's ends of each range, and the host's own voice, are what the next run plays by:
    // its words looked for among the recordings first, the language's and English's after.
    void chosenOptionsReachTheNextRun_data()
    {
        QTest::addColumn<bool>("highest");
        QTest::addColumn<bool>("ownVoice");
        QTest::addColumn<bool>("writable");
        QTest::newRow("highest, own voice") << true << true << true;
        QTest::newRow("lowest, built-in voice") << false << false << true;
        // The settings' folder a link: nothing is written through it, and OK says so.
        QTest::newRow("settings can't be written") << true << true << false;
    }

    void chosenOptionsReachTheNextRun()
    {
        QFETCH(bool, highest);
        QFETCH(bool, ownVoice);
        QFETCH(bool, writable);
        const QString elsewhere = config->filePath(u"elsewhere"_s);
        if (!writable) {
            QVERIFY(QDir().mkpath(elsewhere));
            QVERIFY(QFile::link(elsewhere, config->filePath(u"Limbora"_s)));
        }
        GameSettings chosen;
        {
            Program program;
            auto *dialog = openConfigure(program);
            QVERIFY(dialog);
            for (const QString &name : {u"spnPause"_s, u"spnCountdown"_s}) {
                auto *box = dialog->findChild<QSpinBox *>(name);
                box->setValue(highest ? box->maximum() : box->minimum());
            }
            auto *volume = dialog->findChild<QSlider *>(u"sldVolume"_s);
            volume->setValue(highest ? volume->maximum() : volume->minimum());
            dialog->findChild<QRadioButton *>(ownVoice ? u"optOwnVoice"_s : u"optBuiltinVoice"_s)
                ->setChecked(true);
            chosen = dialog->values();
            dialog->accept();
            // The options apply for this run either way; a failed save is said at once.
            QCOMPARE(program.game.sequencer()->options(), chosen.game);
            auto *notSaved = program.window.findChild<QMessageBox *>(u"msgNotSaved"_s);
            QCOMPARE(notSaved && notSaved->isVisible() && !notSaved->isModal(), !writable);
            if (!writable) {
                QVERIFY(notSaved->text().contains(u"could not be saved"_s));
                QVERIFY(QDir(elsewhere).isEmpty());
                return;
            }
        }
        Program next;
        QCOMPARE(next.game.sequencer()->options(), chosen.game);
        QCOMPARE(next.player.volume(), chosen.volume);
        const QStringList folders = next.player.callFolders();
        const QString recordings = VoiceFolder::path(Language::current());
        QCOMPARE(folders.first() == recordings, ownVoice);
        QCOMPARE(folders.count(recordings), ownVoice ? 1 : 0);
        QCOMPARE(folders.last(), QString());
    }

    void configureDialogKeepsOneOfEachAndRestoresDefaults()
    {
        GameSettings unusual;
        unusual.game.pauseSeconds = 20;
        unusual.game.colours = {2};
        unusual.volume = 0;
        unusual.game.waitForNext = true;
        ConfigureDialog dialog(unusual);
        QCOMPARE(dialog.values(), unusual);
        // No pause to set while the game waits for Next.
        QVERIFY(!dialog.findChild<QSpinBox *>(u"spnPause"_s)->isEnabled());
        QPushButton *ok = dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
        QVERIFY(ok->isEnabled());
        dialog.findChild<QCheckBox *>(u"chkYellow"_s)->setChecked(false);
        QVERIFY(!ok->isEnabled());
        QVERIFY(!dialog.findChild<QLabel *>(u"lblRule"_s)->text().isEmpty());
        dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::RestoreDefaults)->click();
        QCOMPARE(dialog.values(), GameSettings());
        QVERIFY(ok->isEnabled());
        QVERIFY(dialog.findChild<QSpinBox *>(u"spnPause"_s)->isEnabled());
    }

    // Play in the recorder says a word as loud as the game will: as the dialog opened, silent
    // included, or as the slider was moved.
    void playSaysAWordAtTheChosenVolume()
    {
        TemporaryDataHome data;
        QVERIFY(VoiceFolder::store(Language::current(), u"red.wav"_s,
                                   TakeProcessing::wavFile(std::vector<float>(800, 0.0f), 16000)));
        for (const auto &[opened, moved] :
             {std::pair{35, -1}, std::pair{0, -1}, std::pair{100, 20}}) {
            GameSettings values;
            values.volume = opened;
            values.ownVoice = true;
            ConfigureDialog dialog(values);
            if (moved >= 0) {
                dialog.findChild<QSlider *>(u"sldVolume"_s)->setValue(moved);
            }
            dialog.findChild<QPushButton *>(u"cmdPlay_red"_s)->click();
            const auto *player = dialog.findChild<SoundPlayer *>();
            QVERIFY(player);
            QCOMPARE(player->volume(), moved >= 0 ? moved : opened);
        }
    }

    // Keyboard-only use: every field is reached by its own access key.
    void configureDialogAccessKeysAreUnique()
    {
        ConfigureDialog dialog{GameSettings()};
        QStringList keys;
        const auto addKey = [&keys](const QString &text) {
            const qsizetype at = text.indexOf(u'&');
            if (at >= 0 && at + 1 < text.size()) {
                keys << text.at(at + 1).toLower();
            }
        };
        for (const QLabel *label : dialog.findChildren<QLabel *>()) {
            if (label->text().contains(u'&')) {
                QVERIFY2(label->buddy(), qPrintable(label->text()));
                addKey(label->text());
            }
        }
        for (const QAbstractButton *button : dialog.findChildren<QAbstractButton *>()) {
            addKey(button->text());
        }
        QVERIFY(keys.size() >= 12);
        QCOMPARE(QSet<QString>(keys.begin(), keys.end()).size(), keys.size());
    }

private:
    static ConfigureDialog *openConfigure(Program &program)
    {
        program.window.show();
        program.window.findChild<QAction *>(u"mnuSettingsConfigure"_s)->trigger();
        return program.window.findChild<ConfigureDialog *>();
    }

    std::unique_ptr<TemporaryConfig> config;
};

QTEST_MAIN(TestConfigureDialog)
#include "tst_configuredialog.moc"
