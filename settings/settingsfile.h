// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <memory>

class QSettings;

// Limbora's per-user settings, opened so that nothing outside the program can hold it up or be
// overwritten through it. On Linux and other Unix systems the store is the INI file
// $XDG_CONFIG_HOME/Limbora/Limbora.conf; it is used only when it is a regular file (or a link to
// one) or missing. A file that can't be read as settings reads as empty and is replaced by what
// the program writes; a readable one keeps every section and key it holds. Elsewhere it is the
// platform's native store.
class SettingsFile
{
public:
    // How long writing waits for another instance's lock before giving up.
    static constexpr int LockWaitMs = 200;

    SettingsFile();

    QString path() const { return m_path; }

    // nullptr where there is nothing to read.
    std::unique_ptr<QSettings> forReading() const;
    // nullptr where nothing may be written now; what is written is kept once it is synced.
    std::unique_ptr<QSettings> forWriting() const;

private:
    QString m_path; // empty: the native store
};
