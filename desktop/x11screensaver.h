// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Suspends the X server's own screen saver (and its power saving) for as long as this client
// asks; the server lifts it by itself when the client goes. False where there is no X server or
// it lacks the screen saver extension.
bool suspendX11ScreenSaver(bool suspend);
