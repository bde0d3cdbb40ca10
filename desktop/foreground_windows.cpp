// SPDX-License-Identifier: GPL-3.0-or-later
#include "foreground.h"

#include <windows.h>

void handOnForeground()
{
    AllowSetForegroundWindow(ASFW_ANY);
}
