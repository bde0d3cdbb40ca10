// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow.h"

#include "calltables.h"
#include "gamesequencer.h"
#include "soundplayer.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

// The design is measured in twips, 15 to a pixel.
constexpr int px(int twips)
{
    return twips / 15;
}

// The design's "desktop colour" for the labels: Qt has no such role, so a constant that reads
// well on the white board (the classic desktop blue).
constexpr Rgb DesktopColour{58, 110, 165};

QColor toColor(Rgb rgb)
{
    return QColor(rgb.red, rgb.green, rgb.blue);
}

} // namespace

MainWindow::MainWindow(GameClock &clock, RandomSource &random, SoundPlayer &sounds, QWidget *parent)
    : QMainWindow(parent), m_sounds(sounds)
{
    setObjectName(u"frmMain"_s);
    setWindowTitle(u"Limbora"_s);
    createControls();
    createMenus();
    Form_Load();

    lblStatus->clear();
    m_sounds.preload(callSounds());

    m_sequencer = new GameSequencer(
        clock, random,
        [this](const QString &name, std::function<void()> finished) {
            m_sounds.playAndWait(name, std::move(finished));
        },
        DesktopColour, this);
    connect(m_sequencer, &GameSequencer::statusChanged, lblStatus, &QLabel::setText);
    connect(m_sequencer, &GameSequencer::displayChanged, this, &MainWindow::showDisplay);
    connect(m_sequencer, &GameSequencer::buttonsChanged, this, [this](bool start, bool stop) {
        cmdStart->setEnabled(start);
        cmdStop->setEnabled(stop);
    });
}

MainWindow::~MainWindow() = default;

void MainWindow::createControls()
{
    auto *board = new QWidget(this);
    board->setFixedSize(px(6180), px(6180));
    setCentralWidget(board);

    cmdStart = new QPushButton(u"&START"_s, board);
    cmdStart->setObjectName(u"cmdStart"_s);
    cmdStart->setGeometry(px(2520), px(1560), px(1335), px(615));

    cmdStop = new QPushButton(u"&STOP!"_s, board);
    cmdStop->setObjectName(u"cmdStop"_s);
    cmdStop->setGeometry(px(2520), px(3960), px(1335), px(615));

    QFont labelFont(u"Comic Sans MS"_s);
    labelFont.setPointSizeF(15.75);
    const auto makeLabel = [&](const QString &name, const QString &text, int top) {
        auto *label = new QLabel(text, board);
        label->setObjectName(name);
        label->setGeometry(px(960), px(top), px(4695), px(615));
        label->setAlignment(Qt::AlignCenter);
        label->setFont(labelFont);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, toColor(DesktopColour));
        label->setPalette(palette);
        return label;
    };
    lblDisplay = makeLabel(u"lblDisplay"_s, QString(), 3000);
    lblStatus = makeLabel(u"lblStatus"_s, u"status goes here"_s, 2280);

    setTabOrder(cmdStart, cmdStop);
    cmdStart->setDefault(true);
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
}

void MainWindow::Form_Load()
{
    cmdStop->setEnabled(false);
}

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    // The default button: Enter that no focused button took starts a game.
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

void MainWindow::showDisplay(const QString &text, Rgb colour)
{
    QPalette palette = lblDisplay->palette();
    palette.setColor(QPalette::WindowText, toColor(colour));
    lblDisplay->setPalette(palette);
    lblDisplay->setText(text);
}
