// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the tests of stored settings share: a settings folder of the test's own, and the
// placement as stored there.

#include <QFile>
#include <QSettings>
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

// The window's placement in section [Settings]: left, top, width and height, in twips.
inline const QStringList PlacementKeys{QStringLiteral("MainLeft"), QStringLiteral("MainTop"),
                                       QStringLiteral("MainWidth"), QStringLiteral("MainHeight")};

// The stored placement, in the order of PlacementKeys, empty where missing.
inline QStringList storedPlacement()
{
    QSettings settings(QStringLiteral("Limbora"), QStringLiteral("Limbora"));
    settings.beginGroup(QStringLiteral("Settings"));
    QStringList values;
    for (const QString &key : PlacementKeys) {
        values << settings.value(key).toString();
    }
    return values;
}
