// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The settings file's few Windows calls, kept apart: <windows.h> names a function LockFile.

#include <QString>

class QFile;

// %APPDATA%, the user's roaming application data; empty where Windows names none.
QString roamingAppData();
// A file on a disk, not a device opened by its name (CON, NUL, COM1...).
bool isOnDisk(QFile &file);
bool flushedToDisk(QFile &file);
// Renames `from` over `to` in one step, written through to the disk before it returns.
bool replaceInOneStep(const QString &from, const QString &to);
