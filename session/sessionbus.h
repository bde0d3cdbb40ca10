// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>

// A session bus that takes a connection and never answers would hold the window's thread for
// libdbus's 25 s while Qt starts (its accessibility bridge and desktop theme ask the bus there,
// and wait). Asked once before Qt starts, with a short bound: a bus that hasn't answered by then
// is set aside for this run, so that everyone finds at once that there is none.
void setAsideSilentSessionBus(std::chrono::milliseconds within);
