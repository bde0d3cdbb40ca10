// SPDX-License-Identifier: GPL-3.0-or-later
// Platforms without Unix signals: the window system closes the window, which ends the program.
#include "terminationwatcher.h"

TerminationWatcher::TerminationWatcher(QObject *parent)
    : QObject(parent)
{
}

TerminationWatcher::~TerminationWatcher() = default;

int TerminationWatcher::catchSignals()
{
    return -1;
}
