// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The program's data directory (sounds, help page), ending in a separator. It lies at a path
// fixed at build time relative to the executable, so both the build tree and an installed copy,
// wherever it was installed, find their own.
QString dataDirectory();
