// SPDX-License-Identifier: GPL-3.0-or-later
#include "remotecontrol.h"

#include "callart.h"
#include "mediakeys.h"
#include "mprisservice.h"
#include "remoteplayer.h"
#include "sequencerremote.h"

#include <QWidget>

RemoteControl::RemoteControl(GameSequencer &game, QWidget *window)
    : QObject(window)
    , m_game(std::make_unique<SequencerRemote>(game))
    , m_art(std::make_unique<CallArt>())
{
    auto *player = new RemotePlayer(
        *m_game, [art = m_art.get()](Rgb colour) { return art->urlFor(colour); }, this);
    m_game->follow(*player);
    connect(player, &RemotePlayer::raiseRequested, this, &RemoteControl::raiseRequested);
    addMediaKeys(window, *player);
    (new MprisService(*player, this))->start();
}

RemoteControl::~RemoteControl() = default;
