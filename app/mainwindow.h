// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gamesettings.h"
#include "placementstore.h"

#include <QMainWindow>
#include <QPointer>

class ConfigureDialog;
class GameClock;
class GameSequencer;
class HelpLauncher;
class QAction;
class QLabel;
class QPushButton;
class RandomSource;
class SoundPlayer;
struct GameDisplay;
struct Rgb;
enum class GameStatus;

// frmMain: the board with START and STOP, the status and call labels, and the menus. It shows
// what the game sequencer reports and forwards the clicks; every timing rule is the sequencer's.
// Its placement is restored before it first shows and saved when it closes.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // The design's "desktop colour" for the labels: Qt has no such role, so a constant that
    // reads well on the white board (the classic desktop blue).
    static const Rgb DesktopColour;

    // The call sounds are played from callSoundFolder, relative to the sound player's directory
    // (the language's own voice); the About box's sounds from that directory itself.
    MainWindow(GameClock &clock, RandomSource &random, SoundPlayer &sounds,
               const HelpLauncher &help, const QString &callSoundFolder = QString(),
               QWidget *parent = nullptr);
    ~MainWindow() override;

    GameSequencer *sequencer() const { return m_sequencer; }

    // Saves the placement now (unless minimized); closing saves again, which does no harm.
    // In full screen it is the window's placement from before, never the screen's.
    void writeSettings();

    // The whole screen as the caller, drawn for the screen's size; leaving puts the designed
    // window back where it was.
    void setFullScreen(bool on);
    bool isFullScreenMode() const { return m_fullScreen; }
    // Whether the options ask to start in full screen.
    bool startsFullScreen() const { return m_gameSettings.startFullScreen; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void createMenus();
    void Form_Load();
    void Form_Unload();
    void readSettings();
    void fitClientToFrame();

    void cmdStart_Click();
    void cmdStop_Click();
    void mnuFileExit_Click();
    void mnuHelpContents_Click();
    void mnuHelpAbout_Click();
    void mnuSettingsConfigure_Click();
    void applySettings(const GameSettings &settings);
    void layoutDesigned();
    void layoutFullScreen();
    QString fittedCall(const QString &text) const;
    void playAndReturn(const QString &name);

    void showStatus(GameStatus status);
    void showDisplay(const GameDisplay &display);
    static QString displayPurpose();
    static void showText(QLabel *label, const QString &text, const QString &purpose);

    SoundPlayer &m_sounds;
    const HelpLauncher &m_help;
    QString m_callSoundFolder;
    GameSequencer *m_sequencer = nullptr;
    PlacementStore m_placement;
    QSize m_frameSize; // the outer size the placement asks for
    bool m_frameFitted = false;
    bool m_unloaded = false;
    GameSettings m_gameSettings;
    bool m_fullScreen = false;
    QRect m_windowedFrame; // where the window stood before full screen
    QSize m_windowedClientSize;
    QString m_displayText; // as reported; full screen may break it over two lines
    int m_callWidth = 0; // what a call may take in full screen before it breaks
    QPointer<ConfigureDialog> m_configure;
    QAction *mnuGameStart = nullptr;
    QAction *mnuGameStop = nullptr;
    QAction *mnuGamePause = nullptr;
    QAction *mnuSettingsFullScreen = nullptr;

    QPushButton *cmdStart = nullptr;
    QPushButton *cmdStop = nullptr;
    QLabel *lblDisplay = nullptr;
    QLabel *lblStatus = nullptr;
    QLabel *imgBoard = nullptr;
    QFont m_buttonFont;
};
