// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "boardpicture.h"

#include <QMainWindow>
#include <QPointer>

class CallLabel;
class ConfigureDialog;
class FullScreenHint;
class GamePresenter;
class GameSession;
class HelpLauncher;
class QAction;
class QLabel;
class QPushButton;
class Stage;
class WindowPlacement;
struct Rgb;

// frmMain: the board with START and STOP, the status and call labels, and the menus. It shows
// what the game reports and forwards the clicks and keys to it; the game is the application's,
// its presentation and the window's placement are units of their own.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // The design's "desktop colour" for the labels: Qt has no such role, so a constant that
    // reads well on the white board (the classic desktop blue).
    static const Rgb DesktopColour;

    // The window follows and drives the game, which outlives it.
    MainWindow(GameSession &game, const HelpLauncher &help, QWidget *parent = nullptr);

    // Saves the placement now (unless minimized); closing saves again, which does no harm.
    // In full screen it is the window's placement from before, never the screen's.
    void writeSettings();

    // The whole screen as the caller, drawn for the screen's size; leaving puts the designed
    // window back where it was.
    void setFullScreen(bool on);
    bool isFullScreenMode() const;
    // Shown, raised and out of minimised, as it stood: full screen or not.
    void bringForward();

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void createControls();
    void createMenus();
    void Form_Load();
    void Form_Unload();

    void cmdStart_Click();
    void cmdStop_Click();
    void mnuGamePause_Click(bool paused);
    void mnuFileExit_Click();
    void mnuHelpContents_Click();
    void mnuHelpAbout_Click();
    void mnuSettingsConfigure_Click();
    void sayNotSaved();
    void showCaller(bool fullScreen);
    void layoutDesigned();
    void layoutFullScreen();
    void redrawBoard();

    const HelpLauncher &m_help;
    WindowPlacement *m_placement = nullptr;
    GameSession &m_game;
    GamePresenter *m_presenter = nullptr;
    BoardPicture m_board;
    bool m_unloaded = false;
    QPointer<ConfigureDialog> m_configure;
    FullScreenHint *m_fullScreenHint = nullptr;
    Stage *m_stage = nullptr;
    QAction *mnuGameStart = nullptr;
    QAction *mnuGameStop = nullptr;
    QAction *mnuGamePause = nullptr;
    QAction *mnuGameRepeat = nullptr;
    QAction *mnuGameNext = nullptr;
    QAction *mnuSettingsFullScreen = nullptr;

    QPushButton *cmdStart = nullptr;
    QPushButton *cmdStop = nullptr;
    CallLabel *lblDisplay = nullptr;
    QLabel *lblStatus = nullptr;
    QLabel *imgBoard = nullptr;
    QFont m_buttonFont;
};
