// SPDX-License-Identifier: GPL-3.0-or-later
// Windows' "Default Beep" of the current sound scheme.
#include "defaultsound.h"

#include <windows.h>

#include <mmsystem.h> // needs windows.h first

bool playDefaultSound()
{
    return PlaySoundW(L"SystemDefault", nullptr, SND_ALIAS | SND_ASYNC | SND_NODEFAULT);
}
