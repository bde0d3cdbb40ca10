// SPDX-License-Identifier: GPL-3.0-or-later
#include "x11screensaver.h"

bool suspendX11ScreenSaver(bool)
{
    return false;
}
