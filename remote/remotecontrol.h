// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <memory>

class CallArt;
class GameSequencer;
class MprisService;
class QWidget;
class RemotePlayer;
class SequencerRemote;

// A remote for the game in a window: the MPRIS player on the session bus (where there is one)
// and the media keys on the window. Raise asks for the window to come to the front.
class RemoteControl : public QObject
{
    Q_OBJECT

public:
    RemoteControl(GameSequencer &game, QWidget *window);
    ~RemoteControl() override;

    // Names the round's winner to a remote (empty: none).
    void showWinner(const QString &name);

Q_SIGNALS:
    void raiseRequested();

private:
    std::unique_ptr<SequencerRemote> m_game;
    std::unique_ptr<CallArt> m_art;
    RemotePlayer *m_player = nullptr;
};
