// SPDX-License-Identifier: GPL-3.0-or-later
#include "application.h"

#include "gamesequencer.h"
#include "gamesession.h"
#include "idleinhibitor.h"
#include "mainwindow.h"
#include "players.h"
#include "remotecontrol.h"
#include "soundplayer.h"
#include "terminationwatcher.h"

#include <QCoreApplication>

Application::Application(const Parts &parts, QObject *parent)
    : QObject(parent)
    , m_game(new GameSession(parts.clock, parts.random, parts.sounds, parts.callSoundFolder,
                             MainWindow::DesktopColour, this))
    , m_screenAwake(new IdleInhibitor(QString(), this))
    , m_window(new MainWindow(*m_game, parts.help))
{
    m_screenAwake->setFallback(parts.screenSaverFallback);
    // The screen stays awake from Start to Stop: exactly while STOP! can be pressed.
    connect(m_game->sequencer(), &GameSequencer::buttonsChanged, m_screenAwake,
            [this](bool, bool stopEnabled) { m_screenAwake->setHeld(stopEnabled); });
    // A phone or the desktop's media controls over the session bus, and the media keys.
    m_remote = new RemoteControl(*m_game->sequencer(), m_window);
    connect(m_remote, &RemoteControl::raiseRequested, this, &Application::raise);
    connect(m_game->players(), &Players::winnerChanged, m_remote, &RemoteControl::showWinner);
    m_termination = new TerminationWatcher(this);
    connect(m_termination, &TerminationWatcher::terminationRequested, m_window, &QWidget::close);
    connect(m_termination, &TerminationWatcher::processEnding, this,
            [&sounds = parts.sounds] { sounds.shutDown(); });
    // Windows ends a session by quitting the program with its window open (WM_ENDSESSION): the
    // game must end as at the close box before anything is torn down under a sound.
    connect(qApp, &QCoreApplication::aboutToQuit, m_window, &QWidget::close);
}

// The window goes first: closing it ends the game, and only then may the holder let go.
Application::~Application()
{
    delete m_window;
}

void Application::show()
{
    if (m_game->settings().startFullScreen) {
        m_window->setFullScreen(true);
    } else {
        m_window->show();
    }
}

void Application::raise()
{
    m_window->bringForward();
}
