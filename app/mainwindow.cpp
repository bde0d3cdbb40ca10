// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow.h"

#include "aboutbox.h"
#include "accesskeybutton.h"
#include "calltables.h"
#include "designfonts.h"
#include "gamelog.h"
#include "gamesequencer.h"
#include "helplauncher.h"
#include "soundplayer.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSessionManager>
#include <QWindow>

using namespace Qt::StringLiterals;

const Rgb MainWindow::DesktopColour{58, 110, 165};

namespace {

QColor toColor(Rgb rgb)
{
    return QColor(rgb.red, rgb.green, rgb.blue);
}

void setTextColour(QWidget *widget, Rgb rgb)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, toColor(rgb));
    widget->setPalette(palette);
}

} // namespace

MainWindow::MainWindow(GameClock &clock, RandomSource &random, SoundPlayer &sounds,
                       const HelpLauncher &help, QWidget *parent)
    : QMainWindow(parent)
    , m_sounds(sounds)
    , m_help(help)
{
    setObjectName(u"frmMain"_s);
    setWindowTitle(u"Limbora"_s);
    // A fixed frame: minimize and close, no maximize.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    createControls();
    createMenus();

    // The window loads (placement, buttons) before the rest of its state is set up.
    Form_Load();
    showText(lblStatus, QString(), u"Game status"_s); // the design's caption never shows
    m_sounds.preload(callSounds() + QStringList{u"About.wav"_s, u"hid.wav"_s});
    m_sequencer = new GameSequencer(
        clock, random,
        [this](const QString &name, std::function<void()> finished) {
            m_sounds.playAndWait(name, std::move(finished));
        },
        DesktopColour, this);

    connect(m_sequencer, &GameSequencer::statusChanged, this,
            [this](const QString &text) { showText(lblStatus, text, u"Game status"_s); });
    connect(m_sequencer, &GameSequencer::displayChanged, this, &MainWindow::showDisplay);
    connect(m_sequencer, &GameSequencer::buttonsChanged, this, [this](bool start, bool stop) {
        cmdStart->setEnabled(start);
        cmdStop->setEnabled(stop);
    });
    // Logging out: keep the placement even if the session ends us without a close.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this] { writeSettings(); });
}

MainWindow::~MainWindow() = default;

void MainWindow::createControls()
{
    auto *client = new QWidget(this);
    setCentralWidget(client);

    // First child, so lowest: the board shows at its natural size behind everything.
    auto *board = new QLabel(client);
    board->setPixmap(QPixmap(u":/pictures/board.png"_s));
    board->setGeometry(QRect(QPoint(0, 0), board->pixmap().size()));

    const auto makeButton = [client](const QString &name, const QString &caption, int top) {
        auto *button = new AccessKeyButton(caption, client);
        button->setObjectName(name);
        button->setGeometry(twipsRect(2520, top, 1335, 615));
        button->setAutoDefault(true); // Enter presses the focused button
        return button;
    };
    cmdStart = makeButton(u"cmdStart"_s, u"&START"_s, 1560);
    cmdStop = makeButton(u"cmdStop"_s, u"&STOP!"_s, 3960);
    cmdStart->setDefault(true);

    const QFont labelFont = designFont(u"Comic Sans MS"_s, 15.75);
    const auto makeLabel = [&](const QString &name, const QString &caption, int top) {
        auto *label = new QLabel(caption, client);
        label->setObjectName(name);
        label->setGeometry(twipsRect(960, top, 4695, 615));
        label->setAlignment(Qt::AlignCenter);
        label->setFont(labelFont);
        setTextColour(label, DesktopColour);
        return label;
    };
    lblDisplay = makeLabel(u"lblDisplay"_s, QString(), 3000);
    lblStatus = makeLabel(u"lblStatus"_s, u"status goes here"_s, 2280);
    lblDisplay->setAccessibleName(u"Call"_s);
    lblDisplay->setAccessibleDescription(u"The current call: a limb, then its colour"_s);
    lblStatus->setAccessibleDescription(u"Where the game stands"_s);
    cmdStart->setAccessibleDescription(u"Start a game: calls begin after ten seconds"_s);
    cmdStop->setAccessibleDescription(u"Stop the game"_s);
    board->setAccessibleName(u"Game board"_s);

    setTabOrder(cmdStart, cmdStop);
    cmdStart->setFocus();
    connect(cmdStart, &QPushButton::clicked, this, &MainWindow::cmdStart_Click);
    connect(cmdStop, &QPushButton::clicked, this, &MainWindow::cmdStop_Click);
}

void MainWindow::createMenus()
{
    QMenu *mnuFile = menuBar()->addMenu(u"&File"_s);
    mnuFile->setObjectName(u"mnuFile"_s);
    QAction *mnuFileExit = mnuFile->addAction(u"E&xit"_s);
    mnuFileExit->setObjectName(u"mnuFileExit"_s);
    connect(mnuFileExit, &QAction::triggered, this, &MainWindow::mnuFileExit_Click);

    QMenu *mnuHelp = menuBar()->addMenu(u"&Help"_s);
    mnuHelp->setObjectName(u"mnuHelp"_s);
    QAction *mnuHelpContents = mnuHelp->addAction(u"&Contents"_s);
    mnuHelpContents->setObjectName(u"mnuHelpContents"_s);
    QAction *mnuHelpAbout = mnuHelp->addAction(u"&About Limbora"_s);
    mnuHelpAbout->setObjectName(u"mnuHelpAbout"_s);
    connect(mnuHelpContents, &QAction::triggered, this, &MainWindow::mnuHelpContents_Click);
    connect(mnuHelpAbout, &QAction::triggered, this, &MainWindow::mnuHelpAbout_Click);
}

void MainWindow::Form_Load()
{
    readSettings();
    cmdStop->setEnabled(false);
}

void MainWindow::readSettings()
{
    QList<QRect> screens;
    QSize largest(0, 0);
    for (const QScreen *screen : QGuiApplication::screens()) {
        screens << screen->availableGeometry();
        largest = largest.expandedTo(screen->availableGeometry().size());
    }
    // Never so small that the buttons are cut off, nor larger than the largest screen.
    const QSize smallest(cmdStart->geometry().right() + 1,
                         cmdStop->geometry().bottom() + 1 + menuBar()->sizeHint().height());
    const QRect frame = keepOnScreen(
        m_placement.restore(smallest, screens.isEmpty() ? QSize() : largest), screens);
    m_frameSize = frame.size();
    move(frame.topLeft()); // before the first show this places the frame's corner
    fitClientToFrame();
}

// The placement gives the outer size; the client is what the frame leaves of it. The frame is
// known only once the window manager has framed the window, so this runs again then.
void MainWindow::fitClientToFrame()
{
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    setFixedSize(m_frameSize.shrunkBy(frame).expandedTo(QSize(1, 1)));
}

void MainWindow::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    if (!m_frameFitted && windowHandle() && !windowHandle()->frameMargins().isNull()) {
        m_frameFitted = true;
        fitClientToFrame();
    }
}

void MainWindow::writeSettings()
{
    if (isMinimized()) {
        return; // the placement of the last normal closing stays
    }
    m_placement.save(windowHandle() ? windowHandle()->frameGeometry() : frameGeometry());
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
    m_sequencer->abandon();
    // Other windows first, the last opened first: modal ones stack, so the active one is last.
    while (QWidget *modal = QApplication::activeModalWidget()) {
        if (modal == this) {
            break;
        }
        modal->close();
        modal->hide(); // even one that refused to close
    }
    for (QWidget *other : QApplication::topLevelWidgets()) {
        if (other != this && other->isVisible()) {
            other->close();
        }
    }
    writeSettings();
}

void MainWindow::keyPressEvent(QKeyEvent *event)
{
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
    m_sequencer->start();
}

void MainWindow::cmdStop_Click()
{
    m_sequencer->stop();
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
    playAndReturn(u"About.wav"_s);
    auto *frmAbout = new AboutBox([this](const QString &name) { playAndReturn(name); }, this);
    m_sequencer->suspend();
    connect(frmAbout, &QDialog::finished, m_sequencer, &GameSequencer::resume);
    frmAbout->setModal(true);
    frmAbout->show();
}

void MainWindow::playAndReturn(const QString &name)
{
    qCDebug(lcGame, "sound-start %s return", qUtf8Printable(name));
    m_sounds.playAndReturn(name);
}

void MainWindow::showDisplay(const QString &text, Rgb colour)
{
    setTextColour(lblDisplay, colour);
    showText(lblDisplay, text, u"Call"_s);
}

// A label's accessible name is what it shows, so that screen readers hear every change (the
// name changing is what they announce); an empty label keeps a name that says what it is for.
void MainWindow::showText(QLabel *label, const QString &text, const QString &purpose)
{
    label->setText(text);
    label->setAccessibleName(text.isEmpty() ? purpose : text);
}
