// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLoggingCategory>

// Every change a game makes, one line each, so a game's timing can be watched from a terminal:
// QT_LOGGING_RULES="limbora.game.debug=true"
Q_DECLARE_LOGGING_CATEGORY(lcGame)
