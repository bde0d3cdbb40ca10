// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow.h"

#include "aboutbox.h"
#include "accesskeybutton.h"
#include "callerlayout.h"
#include "calllabel.h"
#include "configuredialog.h"
#include "dialogs.h"
#include "fullscreenhint.h"
#include "gamepresenter.h"
#include "gamesequencer.h"
#include "gamesession.h"
#include "heldkeys.h"
#include "helplauncher.h"
#include "stage.h"
#include "windowplacement.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>

using namespace Qt::StringLiterals;

const Rgb MainWindow::DesktopColour{58, 110, 165};

MainWindow::MainWindow(GameSession &game, const HelpLauncher &help, QWidget *parent)
    : QMainWindow(parent)
    , m_help(help)
    , m_game(game)
{
    setObjectName(u"frmMain"_s);
    //: The program's name, in the title bar.
    setWindowTitle(tr("Limbora"));
    // A fixed frame: minimize and close, no maximize.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    m_placement = new WindowPlacement(*this);
    connect(m_placement, &WindowPlacement::fullScreenChanged, this, &MainWindow::showCaller);
    createControls();
    createMenus();
    new HeldKeys(this);
    m_presenter = new GamePresenter({lblStatus, lblDisplay, cmdStart, cmdStop, mnuGameStart,
                                     mnuGameStop, mnuGamePause, mnuGameRepeat, mnuGameNext},
                                    this);
    layoutDesigned();

    // The window loads (placement, buttons) before the rest of its state is set up.
    Form_Load();
    m_presenter->showStatus(GameStatus::Blank); // the design's caption never shows
    m_presenter->follow(m_game.sequencer());
    m_stage = new Stage(centralWidget(), m_fullScreenHint,
                        {mnuGameStart, mnuGamePause, mnuGameRepeat, mnuGameNext, mnuGameStop},
                        m_game.sequencer(), m_game.players(), this);
    connect(m_stage, &Stage::playerRowsChanged, this, [this] {
        if (m_placement->isFullScreen()) {
            layoutFullScreen();
        }
    });
}

bool MainWindow::isFullScreenMode() const
{
    return m_placement->isFullScreenRequested();
}

void MainWindow::createControls()
{
    auto *client = new QWidget(this);
    setCentralWidget(client);

    // First child, so lowest: the board shows at its natural size behind everything.
    imgBoard = new QLabel(client);
    imgBoard->setObjectName(u"imgBoard"_s);
    imgBoard->setAlignment(Qt::AlignCenter);

    const auto makeButton = [client](const QString &name, const QString &caption) {
        auto *button = new AccessKeyButton(caption, client);
        button->setObjectName(name);
        button->setAutoDefault(true); // Enter presses the focused button
        return button;
    };
    //: Starts a game. Start and Stop share their access key (&) in English, so that one key
    //: starts and stops; keep one letter for both where your language allows.
    cmdStart = makeButton(u"cmdStart"_s, tr("&START"));
    //: Stops the game. See the comment on "&START" for the access key.
    cmdStop = makeButton(u"cmdStop"_s, tr("&STOP!"));
    cmdStart->setDefault(true);
    m_buttonFont = cmdStart->font();

    const auto setUpLabel = [](QLabel *label, const QString &name, const QString &caption) {
        label->setText(caption);
        label->setObjectName(name);
        GamePresenter::setTextColour(label, DesktopColour);
        return label;
    };
    // The call's label can outline a faint colour in full screen.
    lblDisplay = new CallLabel(client);
    setUpLabel(lblDisplay, u"lblDisplay"_s, QString());
    // The design's caption, cleared before the window first shows: never seen, not translated.
    lblStatus = setUpLabel(new QLabel(client), u"lblStatus"_s, u"status goes here"_s);
    //: For screen readers: the picture behind the buttons.
    imgBoard->setAccessibleName(tr("Game board"));

    m_fullScreenHint = new FullScreenHint(this, client);
    setTabOrder(cmdStart, cmdStop);
    cmdStart->setFocus();
    connect(cmdStart, &QPushButton::clicked, this, &MainWindow::cmdStart_Click);
    connect(cmdStop, &QPushButton::clicked, this, &MainWindow::cmdStop_Click);
}

void MainWindow::createMenus()
{
    const auto named = [](auto *object, const QString &name) {
        object->setObjectName(name);
        return object;
    };
    QMenu *mnuFile = named(menuBar()->addMenu(tr("&File")), u"mnuFile"_s);
    QAction *mnuFileExit = named(mnuFile->addAction(tr("E&xit")), u"mnuFileExit"_s);
    connect(mnuFileExit, &QAction::triggered, this, &MainWindow::mnuFileExit_Click);

    // Game and Settings use access keys that neither the other menus nor the window's Alt+S take.
    QMenu *mnuGame = named(menuBar()->addMenu(tr("&Game")), u"mnuGame"_s);
    // A presentation remote sends Page Down and F5 (or Shift+F5) to go on, Page Up and B (or
    // period) to blank the screen.
    mnuGameStart = named(mnuGame->addAction(tr("&Start Game")), u"mnuGameStart"_s);
    mnuGameStart->setShortcuts({QKeySequence(Qt::Key_F5), QKeySequence(Qt::Key_PageDown),
                                QKeySequence(Qt::SHIFT | Qt::Key_F5)});
    mnuGameStop = named(mnuGame->addAction(tr("S&top Game")), u"mnuGameStop"_s);
    mnuGameStop->setShortcuts(
        {QKeySequence(Qt::Key_PageUp), QKeySequence(Qt::Key_B), QKeySequence(Qt::Key_Period)});
    // Space and Enter stay the focused button's, as designed.
    //: Holds the game where it stands until chosen again (also P or the Pause key).
    mnuGamePause = named(mnuGame->addAction(tr("&Pause")), u"mnuGamePause"_s);
    mnuGamePause->setCheckable(true);
    mnuGamePause->setShortcuts({QKeySequence(Qt::Key_P), QKeySequence(Qt::Key_Pause)});
    mnuGameRepeat = named(mnuGame->addAction(tr("&Repeat Call")), u"mnuGameRepeat"_s);
    mnuGameRepeat->setShortcut(QKeySequence(Qt::Key_R));
    //: Makes the next call at once, ending the countdown or the pause (also N).
    mnuGameNext = named(mnuGame->addAction(tr("&Next Call")), u"mnuGameNext"_s);
    mnuGameNext->setShortcut(QKeySequence(Qt::Key_N));
    connect(mnuGameStart, &QAction::triggered, this, &MainWindow::cmdStart_Click);
    connect(mnuGameStop, &QAction::triggered, this, &MainWindow::cmdStop_Click);
    connect(mnuGamePause, &QAction::triggered, this, &MainWindow::mnuGamePause_Click);
    connect(mnuGameRepeat, &QAction::triggered, m_game.sequencer(), &GameSequencer::repeatCall);
    connect(mnuGameNext, &QAction::triggered, m_game.sequencer(), &GameSequencer::nextCall);

    QMenu *mnuSettings = named(menuBar()->addMenu(tr("Se&ttings")), u"mnuSettings"_s);
    mnuSettingsFullScreen
        = named(mnuSettings->addAction(tr("&Full Screen Mode")), u"mnuSettingsFullScreen"_s);
    mnuSettingsFullScreen->setCheckable(true);
    mnuSettingsFullScreen->setShortcuts(
        {QKeySequence(Qt::Key_F11), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F)});
    QAction *mnuSettingsConfigure
        = named(mnuSettings->addAction(tr("&Configure Limbora…")), u"mnuSettingsConfigure"_s);
    mnuSettingsConfigure->setMenuRole(QAction::PreferencesRole);
    connect(mnuSettingsFullScreen, &QAction::toggled, this, &MainWindow::setFullScreen);
    connect(mnuSettingsConfigure, &QAction::triggered, this,
            &MainWindow::mnuSettingsConfigure_Click);
    // The menu bar hides in full screen; the window itself keeps the shortcuts alive, and a
    // right click there offers what a host needs without it.
    addActions({mnuGameStart, mnuGameStop, mnuGamePause, mnuGameRepeat, mnuGameNext,
                mnuSettingsFullScreen});
    centralWidget()->addActions(
        {mnuGamePause, mnuGameRepeat, mnuGameNext, mnuSettingsFullScreen, mnuSettingsConfigure});

    QMenu *mnuHelp = named(menuBar()->addMenu(tr("&Help")), u"mnuHelp"_s);
    //: Opens the help page. The About box names this item as Help-->Contents.
    QAction *mnuHelpContents = named(mnuHelp->addAction(tr("&Contents")), u"mnuHelpContents"_s);
    QAction *mnuHelpAbout = named(mnuHelp->addAction(tr("&About Limbora")), u"mnuHelpAbout"_s);
    connect(mnuHelpContents, &QAction::triggered, this, &MainWindow::mnuHelpContents_Click);
    connect(mnuHelpAbout, &QAction::triggered, this, &MainWindow::mnuHelpAbout_Click);

    // Keys a desktop user expects, kept off the designed menus: F1 for the help, Ctrl+Q to quit.
    named(addAction(QString(), Qt::Key_F1, this, &MainWindow::mnuHelpContents_Click),
          u"actHelpKey"_s);
    named(addAction(QString(), Qt::CTRL | Qt::Key_Q, this, &MainWindow::mnuFileExit_Click),
          u"actQuitKey"_s);
}

void MainWindow::Form_Load()
{
    // Never so small that the buttons are cut off.
    m_placement->restore(QSize(cmdStart->geometry().right() + 1,
                               cmdStop->geometry().bottom() + 1 + menuBar()->sizeHint().height()));
}

void MainWindow::writeSettings()
{
    m_placement->save();
}

void MainWindow::bringForward()
{
    m_placement->bringForward();
}

void MainWindow::setFullScreen(bool on)
{
    m_placement->requestFullScreen(on); // the menu's mark follows once the window does
}

void MainWindow::showCaller(bool fullScreen)
{
    menuBar()->setVisible(!fullScreen);
    m_fullScreenHint->setActive(fullScreen);
    if (fullScreen) {
        layoutFullScreen();
    } else {
        layoutDesigned();
    }
    m_stage->setActive(fullScreen);
    const QSignalBlocker blocker(mnuSettingsFullScreen);
    mnuSettingsFullScreen->setChecked(m_placement->isFullScreenRequested());
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (m_placement->isFullScreen()) {
        layoutFullScreen(); // the caller follows the screen's size
    }
}

bool MainWindow::event(QEvent *event)
{
    if (event->type() == QEvent::ScreenChangeInternal) {
        // The new screen's pixel ratio is the window's once this event is through.
        QMetaObject::invokeMethod(this, &MainWindow::redrawBoard, Qt::QueuedConnection);
    }
    return QMainWindow::event(event);
}

// A screen of another scale: the board is drawn again at its pixels, not scaled.
void MainWindow::redrawBoard()
{
    qCDebug(lcWindow, "board at pixel ratio %g", devicePixelRatioF());
    if (m_placement->isFullScreen()) {
        layoutFullScreen();
    } else {
        imgBoard->setPixmap(m_board.designed(devicePixelRatioF()));
    }
}

void MainWindow::layoutDesigned()
{
    using namespace CallerLayout;
    centralWidget()->setAutoFillBackground(false);
    centralWidget()->setContextMenuPolicy(Qt::DefaultContextMenu);
    imgBoard->setPixmap(m_board.designed(devicePixelRatioF()));
    imgBoard->setGeometry(0, 0, BoardSide, BoardSide);
    cmdStart->setGeometry(StartRect);
    cmdStop->setGeometry(StopRect);
    cmdStart->setFont(QFont()); // back to the inherited font
    cmdStop->setFont(QFont());
    lblDisplay->setGeometry(DisplayRect);
    lblStatus->setGeometry(StatusRect);
    for (QLabel *label : {static_cast<QLabel *>(lblDisplay), lblStatus}) {
        label->setFont(labelFont());
        label->setAlignment(Qt::AlignCenter);
    }
    m_presenter->setCallWidth(0);
    lblDisplay->setOutlineFaintColours(false);
}

void MainWindow::layoutFullScreen()
{
    // Laid out for the whole window, which the client fills once the menu bar's absence is.
    QWidget *client = centralWidget();
    const CallerLayout::FullScreen layout
        = CallerLayout::fullScreen(size(), m_stage ? m_stage->playerRows() : 0);
    if (!layout.isValid()) {
        return;
    }
    QPalette background = client->palette();
    background.setColor(QPalette::Window, Qt::white); // the board's own ground, edge to edge
    client->setPalette(background);
    client->setAutoFillBackground(true);
    client->setContextMenuPolicy(Qt::ActionsContextMenu);

    imgBoard->setPixmap(m_board.drawn(layout.board.width(), devicePixelRatioF()));
    imgBoard->setGeometry(layout.board);
    qCDebug(lcWindow, "full-screen board %d,%d %dx%d", layout.board.x(), layout.board.y(),
            layout.board.width(), layout.board.height());
    for (auto [button, rect] : {std::pair{cmdStart, layout.start}, {cmdStop, layout.stop}}) {
        button->setGeometry(rect);
        button->setFont(CallerLayout::scaledFont(m_buttonFont, layout.buttonScale));
    }
    lblStatus->setFont(layout.statusFont);
    lblStatus->setGeometry(layout.status);
    lblDisplay->setFont(layout.callFont);
    lblDisplay->setGeometry(layout.display);
    // Top-aligned in two lines, so the limb stays put when its colour joins it below.
    lblDisplay->setAlignment(layout.twoLines ? Qt::AlignHCenter | Qt::AlignTop : Qt::AlignCenter);
    m_presenter->setCallWidth(layout.callWidth);
    lblDisplay->setOutlineFaintColours(true);

    // The hint at the foot of the room beside the board, as wide as its words.
    m_fullScreenHint->place(layout.hint, layout.hintFont);
    if (m_stage) {
        m_stage->place(layout);
        qCDebug(lcWindow, "full-screen spot %d,%d %dx%d", layout.spot.x(), layout.spot.y(),
                layout.spot.width(), layout.spot.height());
        for (std::size_t limb = 0; limb < layout.corners.size(); ++limb) {
            const QRect &corner = layout.corners[limb];
            qCDebug(lcWindow, "full-screen corner %d %d,%d %dx%d", int(limb + 1), corner.x(),
                    corner.y(), corner.width(), corner.height());
        }
    }
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept(); // never cancelled
}

void MainWindow::Form_Unload()
{
    if (m_unloaded) {
        return;
    }
    m_unloaded = true;
    // The game ends first, so that closing the About box can't let it go on.
    m_game.sequencer()->abandon();
    closeOtherWindows(this);
    writeSettings();
}

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && isFullScreenMode()) {
        setFullScreen(false);
        return;
    }
    // The default button: an Enter that no focused button took starts a game.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && event->modifiers() == Qt::NoModifier && cmdStart->isEnabled()) {
        cmdStart->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void MainWindow::cmdStart_Click()
{
    m_game.sequencer()->start();
}

void MainWindow::cmdStop_Click()
{
    m_game.sequencer()->stop();
}

// The mark shows what the game did with the choice, which it may refuse.
void MainWindow::mnuGamePause_Click(bool paused)
{
    GameSequencer *game = m_game.sequencer();
    game->setPaused(paused);
    mnuGamePause->setChecked(game->isPaused());
}

void MainWindow::mnuFileExit_Click()
{
    close();
}

void MainWindow::mnuHelpContents_Click()
{
    m_help.launch();
}

// The About box is modal but opened without a nested event loop: the game is suspended while it
// (and the hidden window above it) is open, and goes on where it stood once it closes.
void MainWindow::mnuHelpAbout_Click()
{
    m_game.playAndReturn(u"About.wav"_s);
    auto *frmAbout
        = new AboutBox([this](const QString &name) { m_game.playAndReturn(name); }, this);
    m_game.sequencer()->suspend();
    connect(frmAbout, &QDialog::finished, m_game.sequencer(), &GameSequencer::resume);
    frmAbout->setModal(true);
    frmAbout->show();
}

// Not modal: a running game goes on while the options are changed, and takes them from its
// next wait or call.
void MainWindow::mnuSettingsConfigure_Click()
{
    if (m_configure) {
        m_configure->raise();
        m_configure->activateWindow();
        return;
    }
    auto *dialog = new ConfigureDialog(m_game.settings(), this);
    m_configure = dialog;
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        if (!m_game.store(dialog->values())) {
            sayNotSaved();
        }
    });
    dialog->show();
}

// Said where OK was pressed: the options still apply, so the game is never held up by the file.
void MainWindow::sayNotSaved()
{
    auto *box = new QMessageBox(QMessageBox::Warning, windowTitle(),
                                //: After Configure's OK, where the settings file can't be written.
                                tr("Your options could not be saved. They apply until Limbora "
                                   "is closed."),
                                QMessageBox::Ok, this);
    box->setObjectName(u"msgNotSaved"_s);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal); // Stop and the menus stay at hand during a game
    box->show();
}
