// SPDX-License-Identifier: GPL-3.0-or-later
#include "voicerecorder.h"

#include "gamewords.h"
#include "soundplayer.h"
#include "takeprocessing.h"
#include "voicefolder.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLoggingCategory>
#include <QMetaEnum>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
// What happens to each take, for anyone watching from a terminal (and the end-to-end test).
Q_LOGGING_CATEGORY(lcVoice, "limbora.voice", QtWarningMsg)
} // namespace

VoiceRecorder::VoiceRecorder(const QString &language, QWidget *parent)
    : VoiceRecorder(language, &makeVoiceCapture, parent)
{
}

VoiceRecorder::VoiceRecorder(const QString &language, CaptureFactory makeCapture, QWidget *parent)
    : QGroupBox(tr("Voice"), parent)
    , m_language(language)
    , m_makeCapture(std::move(makeCapture))
{
    setObjectName(u"grpVoice"_s);
    m_builtin = new QRadioButton(tr("Bu&ilt-in voice"));
    m_builtin->setObjectName(u"optBuiltinVoice"_s);
    m_own = new QRadioButton(tr("&My voice"));
    m_own->setObjectName(u"optOwnVoice"_s);
    m_builtin->setChecked(true);

    m_words = new QWidget;
    m_words->setObjectName(u"frmVoiceWords"_s);
    auto *grid = new QGridLayout(m_words);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < int(m_list.size()); ++i) {
        Word &word = m_list[size_t(i)];
        word.file = callWords().at(i).sound;
        word.caption = GameWords::word(callWords().at(i));
        const QString name = word.file.chopped(4);
        auto *caption = new QLabel(word.caption);
        word.state = new QLabel;
        word.state->setObjectName(u"lblVoice_"_s + name);
        word.record = new QPushButton(recordText(false));
        word.record->setObjectName(u"cmdRecord_"_s + name);
        word.play = new QPushButton(tr("Play"));
        word.play->setObjectName(u"cmdPlay_"_s + name);
        word.remove = new QPushButton(tr("Remove"));
        word.remove->setObjectName(u"cmdRemove_"_s + name);
        //: %1 is a call word as the window shows it, e.g. LEFT HAND; for screen readers
        word.record->setAccessibleName(tr("Record %1").arg(word.caption));
        //: %1 is a call word, for screen readers
        word.play->setAccessibleName(tr("Play %1").arg(word.caption));
        //: %1 is a call word, for screen readers
        word.remove->setAccessibleName(tr("Remove %1").arg(word.caption));
        for (QPushButton *button : {word.record, word.play, word.remove}) {
            button->setAutoDefault(false); // Enter in the dialog still means OK
        }
        grid->addWidget(caption, i, 0);
        grid->addWidget(word.state, i, 1);
        grid->addWidget(word.record, i, 2);
        grid->addWidget(word.play, i, 3);
        grid->addWidget(word.remove, i, 4);
        connect(word.record, &QPushButton::clicked, this, [this, i] { record(i); });
        connect(word.play, &QPushButton::clicked, this, [this, i] { play(i); });
        connect(word.remove, &QPushButton::clicked, this, [this, i] { remove(i); });
    }
    grid->setColumnStretch(1, 1);

    m_message = new QLabel;
    m_message->setObjectName(u"lblVoiceMessage"_s);
    m_message->setWordWrap(true);
    m_message->setAccessibleName(tr("Recorder"));

    auto *layout = new QVBoxLayout(this);
    auto *choice = new QHBoxLayout;
    choice->addWidget(m_builtin);
    choice->addWidget(m_own);
    choice->addStretch();
    layout->addLayout(choice);
    layout->addWidget(m_words);
    layout->addWidget(m_message);
    connect(m_own, &QRadioButton::toggled, this, &VoiceRecorder::refresh);
    say(tr("A word you don't record is spoken by the built-in voice."));
    refresh();
    reserveRoom();
}

VoiceRecorder::~VoiceRecorder()
{
    if (m_player) {
        m_player->shutDown();
    }
}

bool VoiceRecorder::ownVoice() const
{
    return m_own->isChecked();
}

void VoiceRecorder::setOwnVoice(bool own)
{
    (own ? m_own : m_builtin)->setChecked(true);
}

void VoiceRecorder::setVolume(int percent)
{
    m_volume = percent;
}

QString VoiceRecorder::message() const
{
    return m_message->text();
}

// Record again while a take runs ends it early ("Stop"); the take is kept.
void VoiceRecorder::record(int word)
{
    if (m_recording >= 0) {
        if (m_capture) {
            m_capture->stop();
        }
        return;
    }
    m_recording = word;
    m_capture = m_makeCapture(this);
    connect(m_capture.get(), &VoiceCapture::listening, this, [this] {
        qCDebug(lcVoice, "record-live %s", qUtf8Printable(m_list[size_t(m_recording)].file));
        //: %1 is the call word to say, e.g. LEFT HAND
        say(tr("Speak now: %1").arg(m_list[size_t(m_recording)].caption));
    });
    connect(m_capture.get(), &VoiceCapture::finished, this, &VoiceRecorder::taken);
    connect(m_capture.get(), &VoiceCapture::failed, this, &VoiceRecorder::failed);
    say(tr("Waiting for the microphone…"));
    refresh();
    m_list[size_t(word)].record->setFocus();
    m_capture->start();
}

// A fresh player each time: the last take may have just replaced the file.
void VoiceRecorder::play(int word)
{
    if (m_player) {
        m_player->shutDown();
    }
    m_player = std::make_unique<SoundPlayer>(VoiceFolder::path(m_language), this);
    m_player->setVolume(m_volume);
    m_player->playAndReturn(m_list[size_t(word)].file);
}

void VoiceRecorder::remove(int word)
{
    const Word &entry = m_list[size_t(word)];
    if (VoiceFolder::remove(m_language, entry.file)) {
        //: %1 is a call word
        say(tr("Removed %1: the built-in voice says it.").arg(entry.caption));
    } else {
        say(tr("%1 could not be removed.").arg(entry.caption));
    }
    refresh();
    entry.record->setFocus(); // Remove has gone grey under the keyboard
}

void VoiceRecorder::taken(const std::vector<float> &samples, int rate)
{
    const Word &entry = m_list[size_t(m_recording)];
    m_recording = -1;
    m_capture.release()->deleteLater(); // this is its signal
    const TakeProcessing::Result take = TakeProcessing::process(samples, rate);
    const char *outcome = "stored";
    if (take.verdict == TakeProcessing::Verdict::Silent) {
        outcome = "silent";
        say(tr("Nothing was heard: check the microphone, then record again."));
    } else if (!VoiceFolder::store(m_language, entry.file, take.wav)) {
        outcome = "unsaved";
        say(tr("The recording could not be saved in %1.").arg(VoiceFolder::path(m_language)));
    } else if (take.clipped) {
        say(tr("%1 is recorded, but it was too loud and sounds distorted: record it again a "
               "little farther from the microphone.")
                .arg(entry.caption));
    } else {
        say(tr("%1 is recorded.").arg(entry.caption));
    }
    qCDebug(lcVoice, "record-%s %s %.1f LUFS%s", outcome, qUtf8Printable(entry.file), take.loudness,
            take.clipped ? " clipped" : "");
    refresh();
}

void VoiceRecorder::failed(VoiceCapture::Failure failure)
{
    m_recording = -1;
    m_capture.release()->deleteLater();
    qCDebug(lcVoice, "record-failed %s",
            QMetaEnum::fromType<VoiceCapture::Failure>().valueToKey(int(failure)));
    switch (failure) {
    case VoiceCapture::Failure::NoServer:
        say(tr("No sound server is running: nothing was recorded."));
        break;
    case VoiceCapture::Failure::NoInput:
        say(tr("No microphone answers: nothing was recorded."));
        break;
    case VoiceCapture::Failure::Denied:
        say(tr("Limbora may not use the microphone: nothing was recorded."));
        break;
    case VoiceCapture::Failure::Lost:
        say(tr("The sound server went away while recording: nothing was recorded."));
        break;
    }
    refresh();
}

void VoiceRecorder::say(const QString &line)
{
    m_message->setText(line);
    m_message->setAccessibleDescription(line);
}

void VoiceRecorder::changeEvent(QEvent *event)
{
    QGroupBox::changeEvent(event);
    const bool made = m_list.back().record != nullptr; // not while the constructor builds the rows
    if (made && (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)) {
        reserveRoom();
    }
}

// A row's state and its Record button change their words as a take starts and ends: each keeps
// the room of its widest words, so the dialog never changes size.
void VoiceRecorder::reserveRoom()
{
    const auto reserve = [](auto *widget, const QStringList &texts) {
        const QString shown = widget->text();
        int widest = 0;
        for (const QString &text : texts) {
            widget->setText(text);
            widest = std::max(widest, widget->sizeHint().width());
        }
        widget->setText(shown);
        widget->setMinimumWidth(widest);
    };
    for (const Word &word : m_list) {
        reserve(word.state,
                {stateText(State::Recording), stateText(State::Own), stateText(State::Builtin)});
        reserve(word.record, {recordText(false), recordText(true)});
    }
}

QString VoiceRecorder::stateText(State state)
{
    switch (state) {
    case State::Recording:
        return tr("recording…");
    case State::Own:
        return tr("my voice");
    case State::Builtin:
        break;
    }
    return tr("built-in");
}

QString VoiceRecorder::recordText(bool recording)
{
    return recording ? tr("Stop") : tr("Record");
}

void VoiceRecorder::refresh()
{
    m_words->setEnabled(m_own->isChecked());
    m_builtin->setEnabled(m_recording < 0);
    for (int i = 0; i < 8; ++i) {
        Word &word = m_list[size_t(i)];
        const bool recorded = VoiceFolder::has(m_language, word.file);
        const bool recording = i == m_recording;
        word.state->setText(stateText(recording      ? State::Recording
                                          : recorded ? State::Own
                                                     : State::Builtin));
        word.record->setText(recordText(recording));
        word.record->setAccessibleDescription(word.state->text()); // whose voice says it now
        word.record->setEnabled(m_recording < 0 || recording);
        word.play->setEnabled(m_recording < 0 && recorded);
        word.remove->setEnabled(m_recording < 0 && recorded);
    }
}
