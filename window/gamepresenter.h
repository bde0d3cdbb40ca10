// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

class GameSequencer;
class QAction;
class QLabel;
class QPushButton;
class QWidget;
struct GameDisplay;
struct GameOptions;
struct Rgb;
enum class GameStatus;

// Shows what a game reports: the status and the call in words, in the call's colour, with
// accessible names that make screen readers announce each change, which of Start and Stop is
// offered, and a trace line for every text shown.
class GamePresenter : public QObject
{
    Q_OBJECT

public:
    struct Controls
    {
        QLabel *status = nullptr;
        QLabel *display = nullptr;
        QPushButton *start = nullptr;
        QPushButton *stop = nullptr;
        QAction *startAction = nullptr;
        QAction *stopAction = nullptr;
        QAction *pauseAction = nullptr; // offered while a game runs, checked while it holds
        QAction *repeatAction = nullptr; // offered while a call stands in its pause
        QAction *nextAction = nullptr; // offered while the countdown or a pause runs
    };

    explicit GamePresenter(const Controls &controls, QObject *parent = nullptr);

    // From here on every report of the sequencer is shown, and traced.
    void follow(GameSequencer *sequencer);

    void showStatus(GameStatus status);
    void showDisplay(const GameDisplay &display);
    void showButtons(bool startEnabled, bool stopEnabled);
    void showOptions(const GameOptions &options);

    // In full screen a call wider than callWidth goes over two lines, limb above colour; 0 is
    // the designed window's one line, in a smaller font where it would run onto the board's
    // discs.
    void setCallWidth(int callWidth);

    static void setTextColour(QWidget *widget, Rgb rgb);

private:
    void showCall();
    static QString displayPurpose();

    Controls m_controls;
    bool m_tracing = false;
    QString m_displayText;
    int m_callWidth = 0;
};
