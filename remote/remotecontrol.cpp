// SPDX-License-Identifier: GPL-3.0-or-later
#include "remotecontrol.h"

#include "callart.h"
#include "mediakeys.h"
#ifdef LIMBORA_MPRIS
#include "mprisservice.h"
#endif
#include "remoteplayer.h"
#include "sequencerremote.h"

#include <QCoreApplication>
#include <QWidget>

RemoteControl::RemoteControl(GameSequencer &game, QWidget *window)
    : QObject(window)
    , m_game(std::make_unique<SequencerRemote>(game))
{
    // Only a remote on the bus that reads the metadata shows the art: without one no file is made.
    auto *player = m_player = new RemotePlayer(
        *m_game, [this](Rgb colour) { return m_art ? m_art->urlFor(colour) : QString(); }, this);
    m_game->follow(*player);
    connect(player, &RemotePlayer::raiseRequested, this, &RemoteControl::raiseRequested);
    addMediaKeys(window, *player);
#ifdef LIMBORA_MPRIS
    auto *service = new MprisService(*player, this);
    connect(service, &MprisService::joined, this, [this] { m_art = std::make_unique<CallArt>(); });
    // Removed as the program quits, also where it then leaves without tidying up.
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { m_art.reset(); });
    service->start();
#endif
}

RemoteControl::~RemoteControl() = default;

void RemoteControl::showWinner(const QString &name)
{
    m_player->showWinner(name);
}
