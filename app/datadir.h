// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The program's data directory (sounds, help page), ending in a separator. It lies at a fixed
// place relative to the executable, so both the build tree and an installed copy, wherever it was
// installed, find their own: on Linux and other Unix systems ../share/limbora beside bin/ (or
// games/), on Windows the executable's own folder, on macOS the bundle's Resources folder.
QString dataDirectory();
