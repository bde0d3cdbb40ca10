// SPDX-License-Identifier: GPL-3.0-or-later
#include "mediakeys.h"

#include "remoteplayer.h"

#include <QAction>
#include <QWidget>

void addMediaKeys(QWidget *window, RemotePlayer &player)
{
    const auto add = [&](Qt::Key key, void (RemotePlayer::*request)()) {
        auto *action = new QAction(window);
        action->setShortcut(QKeySequence(key));
        QObject::connect(action, &QAction::triggered, &player, request);
        window->addAction(action);
    };
    add(Qt::Key_MediaPlay, &RemotePlayer::playPause);
    add(Qt::Key_MediaTogglePlayPause, &RemotePlayer::playPause);
    add(Qt::Key_MediaPause, &RemotePlayer::pause);
    add(Qt::Key_MediaStop, &RemotePlayer::stop);
    add(Qt::Key_MediaPrevious, &RemotePlayer::previous);
    add(Qt::Key_MediaNext, &RemotePlayer::next);
}
