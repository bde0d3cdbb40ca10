// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gamesettings.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QDialogButtonBox;
class QLabel;
class QPlainTextEdit;
class QSlider;
class QSpinBox;
class VoiceRecorder;

// Settings > Configure Limbora…: the game's options and the full-screen start. It only edits
// values; whoever opens it stores and applies them when it is accepted.
class ConfigureDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ConfigureDialog(const GameSettings &values, QWidget *parent = nullptr);

    GameSettings values() const;
    void setValues(const GameSettings &values);

private:
    void updateAcceptable();

    QSpinBox *m_pause = nullptr;
    QSpinBox *m_countdown = nullptr;
    QCheckBox *m_waitForNext = nullptr;
    std::array<QCheckBox *, 4> m_limbs{};
    std::array<QCheckBox *, 4> m_colours{};
    QCheckBox *m_spoken = nullptr;
    QSlider *m_volume = nullptr;
    QLabel *m_volumeValue = nullptr;
    QCheckBox *m_repeats = nullptr;
    QCheckBox *m_gameSounds = nullptr;
    QCheckBox *m_fullScreen = nullptr;
    QPlainTextEdit *m_players = nullptr;
    VoiceRecorder *m_voice = nullptr;
    QLabel *m_rule = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
};
