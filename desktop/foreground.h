// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// Lets whichever process this one asks to come forward take the foreground. Windows gives it only
// to the process the user just started, which may hand it on; elsewhere the window manager
// decides, and this does nothing.
#ifdef Q_OS_WIN
void handOnForeground();
#else
inline void handOnForeground() { }
#endif
