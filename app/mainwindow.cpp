// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow.h"

#include "aboutbox.h"
#include "accesskeybutton.h"
#include "calltables.h"
#include "designfonts.h"
#include "gamelog.h"
#include "gamesequencer.h"
#include "gamewords.h"
#include "helplauncher.h"
#include "soundplayer.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
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

// The board names its corners: in the language's own picture where there is one.
QString boardPicture()
{
    const QString language = QLocale().name().section(u'_', 0, 0);
    const QString translated = u":/pictures/board-%1.png"_s.arg(language);
    return QFile::exists(translated) ? translated : u":/pictures/board.png"_s;
}

} // namespace

MainWindow::MainWindow(GameClock &clock, RandomSource &random, SoundPlayer &sounds,
                       const HelpLauncher &help, const QString &callSoundFolder, QWidget *parent)
    : QMainWindow(parent)
    , m_sounds(sounds)
    , m_help(help)
    , m_callSoundFolder(callSoundFolder)
{
    setObjectName(u"frmMain"_s);
    //: The program's name, in the title bar.
    setWindowTitle(tr("Limbora"));
    // A fixed frame: minimize and close, no maximize.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    createControls();
    createMenus();

    // The window loads (placement, buttons) before the rest of its state is set up.
    Form_Load();
    showStatus(GameStatus::Blank); // the design's caption never shows
    QStringList names{u"About.wav"_s, u"hid.wav"_s};
    for (const QString &name : callSounds()) {
        names << m_callSoundFolder + name;
    }
    m_sounds.preload(names);
    m_sequencer = new GameSequencer(
        clock, random,
        [this](const QString &name, std::function<void()> finished) {
            m_sounds.playAndWait(m_callSoundFolder + name, std::move(finished));
        },
        DesktopColour, this);

    connect(m_sequencer, &GameSequencer::statusChanged, this, &MainWindow::showStatus);
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
    board->setPixmap(QPixmap(boardPicture()));
    board->setGeometry(QRect(QPoint(0, 0), board->pixmap().size()));

    const auto makeButton = [client](const QString &name, const QString &caption, int top) {
        auto *button = new AccessKeyButton(caption, client);
        button->setObjectName(name);
        button->setGeometry(twipsRect(2520, top, 1335, 615));
        button->setAutoDefault(true); // Enter presses the focused button
        return button;
    };
    //: Starts a game. Start and Stop share their access key (&) in English, so that one key
    //: starts and stops; keep one letter for both where your language allows.
    cmdStart = makeButton(u"cmdStart"_s, tr("&START"), 1560);
    //: Stops the game. See the comment on "&START" for the access key.
    cmdStop = makeButton(u"cmdStop"_s, tr("&STOP!"), 3960);
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
    // The design's caption, cleared before the window first shows: never seen, not translated.
    lblStatus = makeLabel(u"lblStatus"_s, u"status goes here"_s, 2280);
    lblDisplay->setAccessibleName(displayPurpose());
    //: For screen readers: what the call label shows.
    lblDisplay->setAccessibleDescription(tr("The current call: a limb, then its colour"));
    //: For screen readers: what the status label shows.
    lblStatus->setAccessibleDescription(tr("Where the game stands"));
    //: For screen readers: what the Start button does.
    cmdStart->setAccessibleDescription(tr("Start a game: calls begin after ten seconds"));
    //: For screen readers: what the Stop button does.
    cmdStop->setAccessibleDescription(tr("Stop the game"));
    //: For screen readers: the picture behind the buttons.
    board->setAccessibleName(tr("Game board"));

    setTabOrder(cmdStart, cmdStop);
    cmdStart->setFocus();
    connect(cmdStart, &QPushButton::clicked, this, &MainWindow::cmdStart_Click);
    connect(cmdStop, &QPushButton::clicked, this, &MainWindow::cmdStop_Click);
}

void MainWindow::createMenus()
{
    QMenu *mnuFile = menuBar()->addMenu(tr("&File"));
    mnuFile->setObjectName(u"mnuFile"_s);
    QAction *mnuFileExit = mnuFile->addAction(tr("E&xit"));
    mnuFileExit->setObjectName(u"mnuFileExit"_s);
    connect(mnuFileExit, &QAction::triggered, this, &MainWindow::mnuFileExit_Click);

    QMenu *mnuHelp = menuBar()->addMenu(tr("&Help"));
    mnuHelp->setObjectName(u"mnuHelp"_s);
    //: Opens the help page. The About box names this item as Help-->Contents.
    QAction *mnuHelpContents = mnuHelp->addAction(tr("&Contents"));
    mnuHelpContents->setObjectName(u"mnuHelpContents"_s);
    QAction *mnuHelpAbout = mnuHelp->addAction(tr("&About Limbora"));
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
    for (const QScreen *screen : QGuiApplication::screens()) {
        screens << screen->availableGeometry();
    }
    const QRect frame = keepOnScreen(m_placement.restore(), screens);
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

// Both trace the words as shown, in the game's trace vocabulary.
void MainWindow::showStatus(GameStatus status)
{
    const QString text = GameWords::status(status);
    if (m_sequencer) {
        qCDebug(lcGame, "status \"%s\"", qUtf8Printable(text));
    }
    //: For screen readers: the status label while it is empty.
    showText(lblStatus, text, tr("Game status"));
}

void MainWindow::showDisplay(const GameDisplay &display)
{
    const QString text = GameWords::display(display);
    qCDebug(lcGame, "display \"%s\" %s", qUtf8Printable(text),
            qUtf8Printable(display.colour.hex()));
    setTextColour(lblDisplay, display.colour);
    showText(lblDisplay, text, displayPurpose());
}

QString MainWindow::displayPurpose()
{
    //: For screen readers: the call label while it is empty.
    return tr("Call");
}

// A label's accessible name is what it shows, so that screen readers hear every change (the
// name changing is what they announce); an empty label keeps a name that says what it is for.
void MainWindow::showText(QLabel *label, const QString &text, const QString &purpose)
{
    label->setText(text);
    label->setAccessibleName(text.isEmpty() ? purpose : text);
}
