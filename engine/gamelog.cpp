// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamelog.h"

Q_LOGGING_CATEGORY(lcGame, "limbora.game", QtWarningMsg)
