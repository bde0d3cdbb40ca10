// SPDX-License-Identifier: GPL-3.0-or-later
// Where Qt has no D-Bus there is no session bus to join: the media keys are the remote.
#include "mprisservice.h"

using namespace Qt::StringLiterals;

const QString MprisService::ServiceName = u"org.mpris.MediaPlayer2.limbora"_s;
const QString MprisService::ObjectPath = u"/org/mpris/MediaPlayer2"_s;

struct MprisService::Bus
{
};

MprisService::MprisService(RemotePlayer &player, QObject *parent)
    : QObject(parent)
    , m_player(player)
    , m_bus(std::make_unique<Bus>())
{
}

MprisService::~MprisService() = default;

void MprisService::start()
{
    Q_EMIT joined(false);
}

bool MprisService::isStillConnecting()
{
    return false;
}
