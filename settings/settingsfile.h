// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <memory>

class QSettings;

class LockFile;
class OwnedFolder;
class SettingsWriter;

// Limbora's per-user settings, opened so that nothing outside the program can hold it up, crash
// it or be overwritten through it. On Linux and other Unix systems the store is the INI file
// $XDG_CONFIG_HOME/Limbora/Limbora.conf; it is used only when it is a regular file (or a link to
// one) or missing, and so is its lock, Limbora.conf.lock. A file that can't be read as settings
// reads as empty and is replaced by what the program writes; a readable one keeps every section
// and key it holds, losing only a line QSettings can't read. Its folder and the file are written
// only through OwnedFolder. Elsewhere it is the platform's native store.
class SettingsFile
{
public:
    // How long writing waits for another instance's lock before giving up.
    static constexpr int LockWaitMs = 200;

    SettingsFile();

    QString path() const { return m_path; }

    // nullptr where there is nothing to read. What it holds was read once: it is for reading only.
    std::unique_ptr<QSettings> forReading() const;
    // nullptr where nothing may be written now. The lock is held until the writer is gone.
    std::unique_ptr<SettingsWriter> forWriting() const;

private:
    QString m_path; // empty: the native store
};

// One change to the settings, made under the lock and kept only by commit(): the file is then
// replaced in one step, so a reader never sees half of it and a failure leaves it as it was.
class SettingsWriter
{
public:
    ~SettingsWriter();

    QSettings &settings() { return *m_settings; }
    // False when what was written could not be kept.
    bool commit();

private:
    friend class SettingsFile;
    SettingsWriter();

    std::unique_ptr<OwnedFolder> m_folder; // where the file lies, or where a link to it points
    std::unique_ptr<LockFile> m_lock;
    QString m_work; // the new file's name in the folder, until it takes the old one's place
    QString m_target; // the file's name in the folder; empty: the native store
    unsigned m_mode = 0644; // the replaced file's permissions
    std::unique_ptr<QSettings> m_settings;
};
