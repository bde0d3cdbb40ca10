// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QStringDecoder>

using namespace Qt::StringLiterals;

namespace {

// Ours holds a few short lines; a file far larger is not settings we wrote.
constexpr qint64 LargestFile = 1 << 20;

enum class State { Missing, Readable, Damaged, NotAFile };

// Text as QSettings writes it: UTF-8 without control characters.
bool looksLikeSettings(const QByteArray &bytes)
{
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        if (code < 0x20 && code != '\t' && code != '\n' && code != '\r') {
            return false;
        }
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    [[maybe_unused]] const QString text = utf8.decode(bytes);
    return !utf8.hasError();
}

State inspect(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        // A link to nowhere is not ours to replace.
        return info.isSymLink() ? State::NotAFile : State::Missing;
    }
    if (!info.isFile()) {
        return State::NotAFile; // a device, a FIFO, a folder: never opened
    }
    if (info.size() > LargestFile) {
        return State::Damaged;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return State::Readable; // QSettings finds it unreadable too, and reads nothing
    }
    if (!looksLikeSettings(file.readAll())) {
        return State::Damaged;
    }
    const QSettings settings(path, QSettings::IniFormat);
    return settings.status() == QSettings::FormatError ? State::Damaged : State::Readable;
}

} // namespace

SettingsFile::SettingsFile()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    m_path = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + u"/Limbora/Limbora.conf"_s;
#endif
}

std::unique_ptr<QSettings> SettingsFile::forReading() const
{
    if (m_path.isEmpty()) {
        return std::make_unique<QSettings>(u"Limbora"_s, u"Limbora"_s);
    }
    if (inspect(m_path) != State::Readable) {
        return nullptr;
    }
    return std::make_unique<QSettings>(m_path, QSettings::IniFormat);
}

std::unique_ptr<QSettings> SettingsFile::forWriting() const
{
    if (m_path.isEmpty()) {
        return std::make_unique<QSettings>(u"Limbora"_s, u"Limbora"_s);
    }
    const State state = inspect(m_path);
    if (state == State::NotAFile || !QDir().mkpath(QFileInfo(m_path).path())) {
        return nullptr;
    }
    // QSettings waits for its lock without end (a lock that is a folder) or for half a minute
    // (one left by another machine). Take it ourselves, briefly, to see that it can be had.
    QLockFile lock(m_path + u".lock"_s);
    if (!lock.tryLock(LockWaitMs)) {
        return nullptr;
    }
    lock.unlock();
    if (state == State::Damaged) {
        // Emptied in one step, so that QSettings neither reads the damage nor writes it back.
        QSaveFile empty(QFileInfo(m_path).canonicalFilePath());
        if (!empty.open(QIODevice::WriteOnly) || !empty.commit()) {
            return nullptr;
        }
    }
    return std::make_unique<QSettings>(m_path, QSettings::IniFormat);
}
