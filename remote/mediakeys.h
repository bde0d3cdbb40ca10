// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;
class RemotePlayer;

// The keyboard's and a headset's media keys on the focused window, as a remote's buttons: Play,
// Pause, Play/Pause, Stop, Previous and Next. Under X11 the keyboard's one Play/Pause key comes as
// Play, so Play toggles there, as the desktops' own media key handling does.
void addMediaKeys(QWidget *window, RemotePlayer &player);
