// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>

class GameClock;
class GameSequencer;
class QLabel;
class QPushButton;
class RandomSource;
class SoundPlayer;
struct Rgb;

// frmMain: the board with START and STOP, the status and call labels, and the menus. It shows
// what the game sequencer reports and forwards the clicks; every timing rule is the sequencer's.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    MainWindow(GameClock &clock, RandomSource &random, SoundPlayer &sounds,
               QWidget *parent = nullptr);
    ~MainWindow() override;

    GameSequencer *sequencer() const { return m_sequencer; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createControls();
    void createMenus();
    void Form_Load();

    void cmdStart_Click();
    void cmdStop_Click();
    void mnuFileExit_Click();

    void showDisplay(const QString &text, Rgb colour);

    SoundPlayer &m_sounds;
    GameSequencer *m_sequencer = nullptr;

    QPushButton *cmdStart = nullptr;
    QPushButton *cmdStop = nullptr;
    QLabel *lblDisplay = nullptr;
    QLabel *lblStatus = nullptr;
};
