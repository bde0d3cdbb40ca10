// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Where the host's recordings live: $XDG_DATA_HOME/Limbora/voices/<language>/, one WAV per call
// word under the shipped file names, so a folder copied from a friend works as well.
namespace VoiceFolder {

QString path(const QString &language);

// Replaces the file whole or not at all (a take half written is never played). False when it
// could not be stored.
bool store(const QString &language, const QString &name, const QByteArray &wav);
bool remove(const QString &language, const QString &name);
bool has(const QString &language, const QString &name);

} // namespace VoiceFolder
