// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the tests of stored settings share: a settings folder of the test's own, and the
// placement as stored there.

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>

// Limbora's settings file, in the settings folder.
#ifdef Q_OS_WIN
inline const QString SettingsFileName = QStringLiteral("Limbora/Limbora.ini");
#else
inline const QString SettingsFileName = QStringLiteral("Limbora/Limbora.conf");
#endif

// On Windows the INI file in %APPDATA%, where QSettings' own INI files then go too.
inline void useSettingsFolderOnWindows([[maybe_unused]] const QString &folder)
{
#ifdef Q_OS_WIN
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
    qputenv("APPDATA", QFile::encodeName(folder));
#endif
}

// Limbora's settings file as the tests read and write it: on Windows the INI file in %APPDATA%,
// never the registry that a plain QSettings(organisation, application) opens there.
class StoredSettings : public QSettings
{
public:
    StoredSettings()
        : QSettings(QSettings::defaultFormat(), QSettings::UserScope, QStringLiteral("Limbora"),
                    QStringLiteral("Limbora"))
    {
    }
};

// Settings of the test's own, for QSettings and for whatever looks in XDG_CONFIG_HOME.
class TemporaryConfig
{
public:
    TemporaryConfig()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.path()));
        useSettingsFolderOnWindows(m_dir.path());
    }

    bool isValid() const { return m_dir.isValid(); }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }
    // Limbora's own settings file in it.
    QString settingsFile() const { return filePath(SettingsFileName); }

private:
    QTemporaryDir m_dir;
};

// The user's data folder, where the recordings go, of the test's own: XDG_DATA_HOME on Linux; on
// Windows, which names no variable for it, Qt's test folder inside it, emptied before and after
// (so the tests that use it there never run together: tests/CMakeLists.txt).
class TemporaryDataHome
{
public:
    TemporaryDataHome()
    {
#ifdef Q_OS_WIN
        QStandardPaths::setTestModeEnabled(true);
        m_path = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        QDir(m_path).removeRecursively();
        QDir().mkpath(m_path);
#else
        m_path = m_dir.path();
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_path));
#endif
    }
    ~TemporaryDataHome()
    {
#ifdef Q_OS_WIN
        QDir(m_path).removeRecursively();
#endif
    }
    TemporaryDataHome(const TemporaryDataHome &) = delete;
    TemporaryDataHome &operator=(const TemporaryDataHome &) = delete;

    QString path() const
    {
        return m_path;
    }

private:
    QTemporaryDir m_dir;
    QString m_path;
};

// The window's placement in section [Settings]: left, top, width and height, in twips.
inline const QStringList PlacementKeys{QStringLiteral("MainLeft"), QStringLiteral("MainTop"),
                                       QStringLiteral("MainWidth"), QStringLiteral("MainHeight")};

// The stored placement, in the order of PlacementKeys, empty where missing.
inline QStringList storedPlacement()
{
    StoredSettings settings;
    settings.beginGroup(QStringLiteral("Settings"));
    QStringList values;
    for (const QString &key : PlacementKeys) {
        values << settings.value(key).toString();
    }
    return values;
}
