// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Plays the desktop's default sound (its "bell" event). Returns false where the platform has no
// such service or it failed, so that the caller can fall back to something of its own.
bool playDefaultSound();
