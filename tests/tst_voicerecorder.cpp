// SPDX-License-Identifier: GPL-3.0-or-later
#include "language.h"
#include "settingsfixture.h"
#include "voicefolder.h"
#include "voicerecorder.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTranslator>
#include <QVBoxLayout>

#include <cmath>
#include <numbers>

using namespace Qt::StringLiterals;

namespace {

// The capture's own logic (end of the word, longest take, failures) with the sound fed by hand.
class FakeCapture : public VoiceCapture
{
public:
    using VoiceCapture::fail;
    using VoiceCapture::VoiceCapture;

    void feed(double seconds, float level)
    {
        std::vector<float> samples(size_t(seconds * m_rate));
        for (size_t i = 0; i < samples.size(); ++i) {
            const double t = double(i) / m_rate;
            samples[i] = float(level * std::sin(2 * std::numbers::pi * 200 * t))
                + float(0.0004 * std::sin(2 * std::numbers::pi * 3001 * t));
        }
        received(samples);
    }
    bool opened = false;

protected:
    void open() override { opened = true; }
    void close() override { opened = false; }
};

} // namespace

class TestVoiceRecorder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        home = std::make_unique<TemporaryDataHome>();
        recorder = makeRecorder(u"en"_s);
    }

    void cleanup() { recorder.reset(); }

    void aTakeEndsWithTheWordAndIsStored()
    {
        QVERIFY(!recorder->findChild<QPushButton *>(u"cmdPlay_lefthand"_s)->isEnabled());
        auto *record = recorder->findChild<QPushButton *>(u"cmdRecord_lefthand"_s);
        QCOMPARE(record->accessibleName(), u"Record LEFT HAND"_s);
        record->click();
        QVERIFY(capture && capture->opened);
        QCOMPARE(recorder->message(), u"Waiting for the microphone…"_s);
        capture->feed(0.3, 0.0f);
        QCOMPARE(recorder->message(), u"Speak now: LEFT HAND"_s);
        capture->feed(0.4, 0.3f);
        capture->feed(0.3, 0.0f);
        QVERIFY(capture->isRecording()); // a pause inside a word is not its end
        capture->feed(0.4, 0.0f);
        QVERIFY(!capture->isRecording());
        QVERIFY(!capture->opened);

        QCOMPARE(recorder->message(), u"LEFT HAND is recorded."_s);
        QVERIFY(VoiceFolder::has(u"en"_s, u"lefthand.wav"_s));
        QCOMPARE(recorder->findChild<QLabel *>(u"lblVoice_lefthand"_s)->text(), u"my voice"_s);
        auto *remove = recorder->findChild<QPushButton *>(u"cmdRemove_lefthand"_s);
        QVERIFY(remove->isEnabled());
        remove->click();
        QVERIFY(!VoiceFolder::has(u"en"_s, u"lefthand.wav"_s));
        QCOMPARE(recorder->findChild<QLabel *>(u"lblVoice_lefthand"_s)->text(), u"built-in"_s);
    }

    void theLongestTakeIsThreeSeconds()
    {
        recorder->findChild<QPushButton *>(u"cmdRecord_red"_s)->click();
        capture->feed(1.0, 0.0f);
        capture->feed(1.5, 0.3f);
        QVERIFY(capture->isRecording());
        capture->feed(1.5, 0.3f); // still talking
        QVERIFY(!capture->isRecording());
        QVERIFY(VoiceFolder::has(u"en"_s, u"red.wav"_s));
    }

    void silenceIsRefused()
    {
        recorder->findChild<QPushButton *>(u"cmdRecord_red"_s)->click();
        capture->feed(1.0, 0.0f);
        recorder->findChild<QPushButton *>(u"cmdRecord_red"_s)->click(); // Stop
        QCOMPARE(recorder->message(),
                 u"Nothing was heard: check the microphone, then record again."_s);
        QVERIFY(!VoiceFolder::has(u"en"_s, u"red.wav"_s));
    }

    void failuresSayOneLineAndWriteNothing_data()
    {
        QTest::addColumn<VoiceCapture::Failure>("failure");
        QTest::addColumn<QString>("line");
        QTest::newRow("no server") << VoiceCapture::Failure::NoServer
                                   << u"No sound server is running: nothing was recorded."_s;
        QTest::newRow("no input") << VoiceCapture::Failure::NoInput
                                  << u"No microphone answers: nothing was recorded."_s;
        QTest::newRow("denied") << VoiceCapture::Failure::Denied
                                << u"Limbora may not use the microphone: nothing was recorded."_s;
        QTest::newRow("lost") << VoiceCapture::Failure::Lost
                              << u"The sound server went away while recording: nothing was "
                                 "recorded."_s;
    }

    void failuresSayOneLineAndWriteNothing()
    {
        QFETCH(VoiceCapture::Failure, failure);
        QFETCH(QString, line);
        auto *record = recorder->findChild<QPushButton *>(u"cmdRecord_green"_s);
        record->click();
        capture->feed(0.2, 0.0f);
        capture->feed(0.4, 0.3f); // half a word, then the failure
        capture->fail(failure);
        QCOMPARE(recorder->message(), line);
        QVERIFY(!VoiceFolder::has(u"en"_s, u"green.wav"_s));
        QCOMPARE(record->text(), u"Record"_s);
        QVERIFY(recorder->findChild<QRadioButton *>(u"optBuiltinVoice"_s)->isEnabled());
    }

    void closingMidTakeWritesNothing()
    {
        recorder->findChild<QPushButton *>(u"cmdRecord_yellow"_s)->click();
        capture->feed(0.3, 0.0f);
        capture->feed(0.4, 0.3f);
        recorder.reset();
        QVERIFY(!VoiceFolder::has(u"en"_s, u"yellow.wav"_s));
    }

    void aFolderThatCantBeWrittenSaysSo()
    {
        QVERIFY(QDir().mkpath(home->path() + u"/Limbora/voices/en/blue.wav"_s));
        recorder->findChild<QPushButton *>(u"cmdRecord_blue"_s)->click();
        capture->feed(0.3, 0.0f);
        capture->feed(0.4, 0.3f);
        capture->feed(0.7, 0.0f);
        QVERIFY(recorder->message().startsWith(u"The recording could not be saved in "_s));
    }

    // A take changes the words of its row; the dialog around the recorder keeps its size, in
    // every language.
    void aTakeKeepsTheDialogsSize_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString &code : Language::available()) {
            QTest::newRow(qPrintable(code)) << code;
        }
    }

    void aTakeKeepsTheDialogsSize()
    {
        QFETCH(QString, language);
        QTranslator translator;
        QVERIFY(language == u"en"_s
                || (translator.load(u":/i18n/limbora_"_s + language)
                    && QCoreApplication::installTranslator(&translator)));
        QDialog dialog;
        (new QVBoxLayout(&dialog))->addWidget(makeRecorder(language).release());
        dialog.show();
        const QSize opened = dialog.size();
        dialog.findChild<QPushButton *>(u"cmdRecord_red"_s)->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QCOMPARE(dialog.size(), opened); // recording
        capture->feed(0.3, 0.0f);
        capture->feed(0.4, 0.3f);
        capture->feed(0.7, 0.0f);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QVERIFY(VoiceFolder::has(language, u"red.wav"_s));
        QCOMPARE(dialog.size(), opened);
    }

private:
    std::unique_ptr<VoiceRecorder> makeRecorder(const QString &language)
    {
        capture = nullptr;
        auto made = std::make_unique<VoiceRecorder>(language, [this](QObject *parent) {
            auto fake = std::make_unique<FakeCapture>(parent);
            capture = fake.get();
            return std::unique_ptr<VoiceCapture>(std::move(fake));
        });
        made->setOwnVoice(true);
        return made;
    }

    std::unique_ptr<TemporaryDataHome> home;
    std::unique_ptr<VoiceRecorder> recorder;
    FakeCapture *capture = nullptr;
};

QTEST_MAIN(TestVoiceRecorder)
#include "tst_voicerecorder.moc"
