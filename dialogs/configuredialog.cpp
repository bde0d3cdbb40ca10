// SPDX-License-Identifier: GPL-3.0-or-later
#include "configuredialog.h"

#include "language.h"
#include "voicerecorder.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QString volumeText(int percent)
{
    //: The volume, in per cent.
    return ConfigureDialog::tr("%1 %").arg(percent);
}

QSpinBox *secondsBox(int lowest, int highest, const QString &name)
{
    auto *box = new QSpinBox;
    box->setObjectName(name);
    box->setRange(lowest, highest);
    box->setSuffix(ConfigureDialog::tr(" s"));
    return box;
}

// Two columns of four checkboxes, numbered as in the call tables.
QGroupBox *choiceGroup(const QString &title, const QStringList &captions, const QStringList &names,
                       std::array<QCheckBox *, 4> &boxes)
{
    auto *group = new QGroupBox(title);
    auto *grid = new QGridLayout(group);
    for (int i = 0; i < 4; ++i) {
        boxes[i] = new QCheckBox(captions.at(i));
        boxes[i]->setObjectName(names.at(i));
        grid->addWidget(boxes[i], i / 2, i % 2);
    }
    return group;
}

QList<qint16> checkedNumbers(const std::array<QCheckBox *, 4> &boxes)
{
    QList<qint16> numbers;
    for (int i = 0; i < 4; ++i) {
        if (boxes[i]->isChecked()) {
            numbers << qint16(i + 1);
        }
    }
    return numbers;
}

void check(const std::array<QCheckBox *, 4> &boxes, const QList<qint16> &numbers)
{
    for (int i = 0; i < 4; ++i) {
        boxes[i]->setChecked(numbers.contains(qint16(i + 1)));
    }
}

} // namespace

ConfigureDialog::ConfigureDialog(const GameSettings &values, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(u"frmConfigure"_s);
    setWindowTitle(tr("Configure Limbora"));
    setAttribute(Qt::WA_DeleteOnClose);

    m_pause = secondsBox(GameOptions::MinPauseSeconds, GameOptions::MaxPauseSeconds, u"spnPause"_s);
    m_countdown = secondsBox(GameOptions::MinCountdownSeconds, GameOptions::MaxCountdownSeconds,
                             u"spnCountdown"_s);
    auto *times = new QFormLayout;
    times->addRow(tr("&Pause after each call:"), m_pause);
    times->addRow(tr("Cou&ntdown before the first call:"), m_countdown);
    //: No pause runs after a call: the next call comes when the host asks for it (N, the Next
    //: button in full screen, a remote's Next), like a spinner that waits to be spun.
    m_waitForNext = new QCheckBox(tr("&Wait for Next"));
    m_waitForNext->setObjectName(u"chkWaitForNext"_s);
    // No pause to set while the game waits for Next.
    connect(m_waitForNext, &QCheckBox::toggled, m_pause, &QWidget::setDisabled);

    QGroupBox *limbs = choiceGroup(
        tr("Limbs called"),
        {tr("&Left hand"), tr("&Right hand"), tr("Left &foot"), tr("Ri&ght foot")},
        {u"chkLeftHand"_s, u"chkRightHand"_s, u"chkLeftFoot"_s, u"chkRightFoot"_s}, m_limbs);
    QGroupBox *colours
        = choiceGroup(tr("Colours called"), {tr("Gr&een"), tr("&Yellow"), tr("&Blue"), tr("Re&d")},
                      {u"chkGreen"_s, u"chkYellow"_s, u"chkBlue"_s, u"chkRed"_s}, m_colours);
    m_rule = new QLabel(tr("At least one limb and one colour must stay chosen."));
    m_rule->setObjectName(u"lblRule"_s);
    m_rule->setWordWrap(true);

    m_spoken = new QCheckBox(tr("&Speak the calls"));
    m_spoken->setObjectName(u"chkSpoken"_s);
    m_volume = new QSlider(Qt::Horizontal);
    m_volume->setObjectName(u"sldVolume"_s);
    m_volume->setRange(GameSettings::MinVolume, GameSettings::MaxVolume);
    m_volume->setSingleStep(5);
    m_volume->setPageStep(10);
    //: For screen readers: the slider that sets how loud the calls and chimes are.
    m_volume->setAccessibleName(tr("Volume"));
    m_volumeValue = new QLabel;
    m_volumeValue->setObjectName(u"lblVolume"_s);
    // Wide enough for "100 %" so that the slider doesn't jump as the number grows.
    m_volumeValue->setMinimumWidth(
        m_volumeValue->fontMetrics().horizontalAdvance(volumeText(GameSettings::MaxVolume)));
    m_volumeValue->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(m_volume, &QSlider::valueChanged, m_volumeValue,
            [this](int value) { m_volumeValue->setText(volumeText(value)); });
    auto *volumeRow = new QHBoxLayout;
    volumeRow->addWidget(m_volume);
    volumeRow->addWidget(m_volumeValue);
    auto *volumeLabel = new QLabel(tr("&Volume of the calls:"));
    volumeLabel->setBuddy(m_volume);
    auto *volume = new QFormLayout;
    volume->addRow(volumeLabel, volumeRow);

    m_repeats = new QCheckBox(tr("&Allow the same call twice in a row"));
    m_repeats->setObjectName(u"chkRepeats"_s);
    //: A tick for each of the countdown's last three seconds, a chime as a game starts and stops.
    m_gameSounds = new QCheckBox(tr("Game s&ounds: countdown ticks, start and stop chimes"));
    m_gameSounds->setObjectName(u"chkGameSounds"_s);
    m_fullScreen = new QCheckBox(tr("Start in f&ull screen"));
    m_fullScreen->setObjectName(u"chkStartFullScreen"_s);
    // A name a line, so that a name may hold any character but a line's end.
    m_players = new QPlainTextEdit;
    m_players->setObjectName(u"txtPlayers"_s);
    m_players->setTabChangesFocus(true);
    m_players->setFixedHeight(m_players->fontMetrics().lineSpacing() * 4
                              + 2 * m_players->frameWidth() + 8);
    m_players->setPlaceholderText(
        //: Greyed in the empty list of players in Configure.
        tr("Up to nine names. With two or more, full screen lists them: a tap puts a player out, "
           "and the last one in wins."));
    //: Configure: the list of players' names, which full screen shows during a game.
    auto *playersLabel = new QLabel(tr("W&ho plays (one name a line):"));
    playersLabel->setBuddy(m_players);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel
                                     | QDialogButtonBox::RestoreDefaults);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_buttons->button(QDialogButtonBox::RestoreDefaults), &QPushButton::clicked, this,
            [this] { setValues(GameSettings()); });

    // How the game is played on the left, who plays and whose voice calls on the right, so that
    // the whole dialog fits a laptop's 768 pixels.
    auto *game = new QVBoxLayout;
    game->addLayout(times);
    game->addWidget(m_waitForNext);
    game->addWidget(limbs);
    game->addWidget(colours);
    game->addWidget(m_rule);
    game->addWidget(m_spoken);
    game->addLayout(volume);
    game->addWidget(m_repeats);
    game->addWidget(m_gameSounds);
    game->addWidget(m_fullScreen);
    game->addStretch();
    auto *party = new QVBoxLayout;
    party->addWidget(playersLabel);
    party->addWidget(m_players);
    // The host's own voice, recorded for the language the calls are spoken in.
    m_voice = new VoiceRecorder(Language::current());
    connect(m_volume, &QSlider::valueChanged, m_voice, &VoiceRecorder::setVolume);
    party->addWidget(m_voice);
    party->addStretch();
    auto *columns = new QHBoxLayout;
    columns->addLayout(game);
    columns->addSpacing(fontMetrics().averageCharWidth() * 3);
    columns->addLayout(party);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(m_buttons);

    for (const auto &boxes : {m_limbs, m_colours}) {
        for (QCheckBox *box : boxes) {
            connect(box, &QCheckBox::toggled, this, &ConfigureDialog::updateAcceptable);
        }
    }
    setValues(values);
}

GameSettings ConfigureDialog::values() const
{
    GameSettings values;
    values.game.pauseSeconds = m_pause->value();
    values.game.countdownSeconds = m_countdown->value();
    values.game.limbs = checkedNumbers(m_limbs);
    values.game.colours = checkedNumbers(m_colours);
    values.game.spoken = m_spoken->isChecked();
    values.game.repeatsAllowed = m_repeats->isChecked();
    values.game.waitForNext = m_waitForNext->isChecked();
    values.startFullScreen = m_fullScreen->isChecked();
    values.volume = m_volume->value();
    values.ownVoice = m_voice->ownVoice();
    values.gameSounds = m_gameSounds->isChecked();
    values.players = tidyPlayers(m_players->toPlainText().split(u'\n'));
    return values;
}

void ConfigureDialog::setValues(const GameSettings &values)
{
    m_pause->setValue(values.game.pauseSeconds);
    m_countdown->setValue(values.game.countdownSeconds);
    check(m_limbs, values.game.limbs);
    check(m_colours, values.game.colours);
    m_spoken->setChecked(values.game.spoken);
    m_repeats->setChecked(values.game.repeatsAllowed);
    m_waitForNext->setChecked(values.game.waitForNext);
    m_fullScreen->setChecked(values.startFullScreen);
    m_gameSounds->setChecked(values.gameSounds);
    m_players->setPlainText(values.players.join(u'\n'));
    m_volume->setValue(values.volume);
    m_volumeValue->setText(volumeText(values.volume));
    m_voice->setOwnVoice(values.ownVoice);
    m_voice->setVolume(values.volume); // the slider tells it only of a change
    updateAcceptable();
}

// OK stays off while a group has nothing chosen, and the rule turns red to say why.
void ConfigureDialog::updateAcceptable()
{
    const bool acceptable
        = !checkedNumbers(m_limbs).isEmpty() && !checkedNumbers(m_colours).isEmpty();
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(acceptable);
    QPalette palette = m_rule->palette();
    palette.setColor(QPalette::WindowText,
                     acceptable ? this->palette().color(QPalette::WindowText) : QColor(0xb0, 0, 0));
    m_rule->setPalette(palette);
}
