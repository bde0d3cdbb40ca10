// SPDX-License-Identifier: GPL-3.0-or-later
// Platforms without libcanberra: the caller's fallback plays instead.
#include "defaultsound.h"

bool playDefaultSound()
{
    return false;
}
