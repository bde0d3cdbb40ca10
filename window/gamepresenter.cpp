// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamepresenter.h"

#include "callerlayout.h"
#include "gamelog.h"
#include "gamesequencer.h"
#include "gamewords.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

#include <utility>

namespace {

// A label's accessible name is what it shows, so that screen readers hear every change (the
// name changing is what they announce); an empty label keeps a name that says what it is for.
void setAccessibleText(QLabel *label, const QString &text, const QString &purpose)
{
    label->setAccessibleName(text.isEmpty() ? purpose : text);
}

} // namespace

GamePresenter::GamePresenter(const Controls &controls, QObject *parent)
    : QObject(parent)
    , m_controls(controls)
{
    m_controls.display->setAccessibleName(displayPurpose());
    m_controls.repeatAction->setEnabled(false);
    m_controls.nextAction->setEnabled(false);
    //: For screen readers: what the call label shows.
    m_controls.display->setAccessibleDescription(tr("The current call: a limb, then its colour"));
    //: For screen readers: what the status label shows.
    m_controls.status->setAccessibleDescription(tr("Where the game stands"));
    //: For screen readers: what the Stop button does.
    m_controls.stop->setAccessibleDescription(tr("Stop the game"));
    showButtons(true, false);
}

void GamePresenter::follow(GameSequencer *sequencer)
{
    m_tracing = true;
    connect(sequencer, &GameSequencer::statusChanged, this, &GamePresenter::showStatus);
    connect(sequencer, &GameSequencer::displayChanged, this, &GamePresenter::showDisplay);
    connect(sequencer, &GameSequencer::buttonsChanged, this, &GamePresenter::showButtons);
    connect(sequencer, &GameSequencer::repeatableChanged, m_controls.repeatAction,
            &QAction::setEnabled);
    connect(sequencer, &GameSequencer::nextCallableChanged, m_controls.nextAction,
            &QAction::setEnabled);
    connect(sequencer, &GameSequencer::pausedChanged, m_controls.pauseAction, &QAction::setChecked);
    connect(sequencer, &GameSequencer::optionsChanged, this, &GamePresenter::showOptions);
    showOptions(sequencer->options());
}

// Screen readers say how long the countdown is that Start begins.
void GamePresenter::showOptions(const GameOptions &options)
{
    m_controls.start->setAccessibleDescription(
        //: For screen readers: what the Start button does; %n is the countdown in seconds.
        tr("Start a game: calls begin after %n seconds", nullptr, options.countdownSeconds));
}

// Both trace the words as shown, in the game's trace vocabulary.
void GamePresenter::showStatus(GameStatus status)
{
    const QString text = GameWords::status(status);
    if (m_tracing) {
        qCDebug(lcGame, "status \"%s\"", qUtf8Printable(text));
    }
    m_controls.status->setText(text);
    //: For screen readers: the status label while it is empty.
    setAccessibleText(m_controls.status, text, tr("Game status"));
}

void GamePresenter::showDisplay(const GameDisplay &display)
{
    const QString text = GameWords::display(display);
    qCDebug(lcGame, "display \"%s\" %s", qUtf8Printable(text),
            qUtf8Printable(display.colour.hex()));
    m_displayText = text;
    setTextColour(m_controls.display, display.colour);
    showCall();
    setAccessibleText(m_controls.display, text, displayPurpose());
}

void GamePresenter::showButtons(bool startEnabled, bool stopEnabled)
{
    // The button offered now is enabled before the other is disabled, so that the keyboard's
    // focus passes to it (Enter and Space then press it) instead of being lost.
    const std::pair<QPushButton *, bool> buttons[]
        = {{m_controls.start, startEnabled}, {m_controls.stop, stopEnabled}};
    for (const bool enabling : {true, false}) {
        for (const auto &[button, enabled] : buttons) {
            if (enabled == enabling) {
                button->setEnabled(enabled);
            }
        }
    }
    m_controls.startAction->setEnabled(startEnabled);
    m_controls.stopAction->setEnabled(stopEnabled);
    // Pause follows STOP!: offered while a game runs.
    m_controls.pauseAction->setEnabled(stopEnabled);
}

void GamePresenter::setCallWidth(int callWidth)
{
    m_callWidth = callWidth;
    showCall();
}

void GamePresenter::setTextColour(QWidget *widget, Rgb rgb)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, QColor(rgb.red, rgb.green, rgb.blue));
    widget->setPalette(palette);
}

void GamePresenter::showCall()
{
    QLabel *label = m_controls.display;
    if (m_callWidth <= 0) {
        label->setFont(CallerLayout::designedCallFont(m_displayText));
        label->setText(m_displayText);
        return;
    }
    label->setText(CallerLayout::fittedCall(m_displayText, label->font(), m_callWidth));
}

QString GamePresenter::displayPurpose()
{
    //: For screen readers: the call label while it is empty.
    return tr("Call");
}
