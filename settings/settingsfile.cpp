// SPDX-License-Identifier: GPL-3.0-or-later
#include "settingsfile.h"

#include "lockfile.h"
#include "ownedfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QTemporaryFile>

#include <optional>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#include "windowsfiles.h"
#endif

#if defined(Q_OS_UNIX) || defined(Q_OS_WIN)
#define LIMBORA_SETTINGS_FILE
#endif

using namespace Qt::StringLiterals;

namespace {

std::unique_ptr<QSettings> nativeStore()
{
    return std::make_unique<QSettings>(u"Limbora"_s, u"Limbora"_s);
}

#ifdef LIMBORA_SETTINGS_FILE

// Ours holds a few short lines; a file far larger is not settings we wrote.
constexpr qint64 LargestFile = 1 << 20;

enum class State { Missing, Readable, Damaged, NotAFile, Unreadable };

struct Contents
{
    State state = State::Missing;
    QByteArray bytes;
    unsigned mode = 0;
};

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

int digitValue(QChar c, int base)
{
    const char16_t code = c.unicode();
    int value = -1;
    if (code >= u'0' && code <= u'9') {
        value = code - u'0';
    } else if (code >= u'a' && code <= u'f') {
        value = code - u'a' + 10;
    } else if (code >= u'A' && code <= u'F') {
        value = code - u'A' + 10;
    }
    return value < base ? value : -1;
}

std::optional<QChar> simpleEscape(char16_t code)
{
    switch (code) {
    case u'a':
        return QChar(u'\a');
    case u'b':
        return QChar(u'\b');
    case u'f':
        return QChar(u'\f');
    case u'n':
        return QChar(u'\n');
    case u'r':
        return QChar(u'\r');
    case u't':
        return QChar(u'\t');
    case u'v':
        return QChar(u'\v');
    case u'"':
    case u'?':
    case u'\'':
    case u'\\':
        return QChar(code);
    default:
        return std::nullopt;
    }
}

// QSettings hands a value spelled "@Variant(...)" or "@DateTime(...)" to QDataStream, which a
// hand-made value can drive into unbounded recursion or allocation, in whatever section or key it
// stands. Escapes, quotes, blanks and continued lines can spell those words too, so they are undone
// first, more loosely than QSettings does: whatever it could read as one of them is found.
bool asksForDecoding(const QString &text)
{
    QString plain;
    plain.reserve(text.size());
    const auto keep = [&plain](QChar c) {
        if (c != u' ' && c != u'\t' && c != u'\n' && c != u'\r' && c != u'"') {
            plain += c;
        }
    };
    for (qsizetype i = 0; i < text.size();) {
        const QChar c = text.at(i++);
        if (c != u'\\' || i == text.size()) {
            keep(c);
            continue;
        }
        const char16_t escape = text.at(i++).unicode();
        const int base = escape == u'x' ? 16 : digitValue(QChar(escape), 8) >= 0 ? 8 : 0;
        if (base != 0) {
            // As in QSettings: any number of digits, of which the character keeps the low 16 bits.
            uint value = base == 8 ? uint(escape - u'0') : 0;
            int digits = base == 8 ? 1 : 0;
            for (int digit = 0; i < text.size() && (digit = digitValue(text.at(i), base)) >= 0;
                 ++i, ++digits) {
                value = (value * uint(base) + uint(digit)) & 0xffffu;
            }
            if (digits > 0) {
                keep(QChar(char16_t(value)));
            }
        } else if (const std::optional<QChar> unescaped = simpleEscape(escape)) {
            keep(*unescaped);
        }
        // Any other escaped character, a line break among them, is dropped, as QSettings does.
    }
    return plain.contains(u"@Variant("_s, Qt::CaseInsensitive)
        || plain.contains(u"@DateTime("_s, Qt::CaseInsensitive);
}

#ifdef Q_OS_WIN

// Windows keeps no FIFOs among files, but a link or a device name can stand at the path.
Contents inspect(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        return {info.isSymLink() ? State::NotAFile : State::Missing, {}};
    }
    if (!info.isFile() || info.isJunction()) {
        return {State::NotAFile, {}};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {State::Unreadable, {}};
    }
    if (!isOnDisk(file)) {
        return {State::NotAFile, {}};
    }
    const QByteArray bytes = file.read(LargestFile + 1);
    if (bytes.size() > LargestFile || !looksLikeSettings(bytes)
        || asksForDecoding(QString::fromUtf8(bytes))) {
        return {State::Damaged, {}};
    }
    return {State::Readable, bytes};
}

#else

// Reads the file only when it is a regular one, and never waits on what took its place.
Contents inspect(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat target = {};
    if (::stat(name.constData(), &target) != 0) {
        if (errno != ENOENT) {
            return {State::Unreadable, {}};
        }
        // A link to nowhere is not ours to replace.
        struct stat link = {};
        return {::lstat(name.constData(), &link) == 0 ? State::NotAFile : State::Missing, {}};
    }
    if (!S_ISREG(target.st_mode)) {
        return {State::NotAFile, {}}; // a device, a FIFO, a folder: never opened
    }
    const int descriptor = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (descriptor < 0) {
        return {State::Unreadable, {}};
    }
    QFile file;
    struct stat opened = {};
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return {State::Unreadable, {}};
    }
    if (::fstat(descriptor, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        return {State::NotAFile, {}};
    }
    const unsigned mode = opened.st_mode & 07777;
    const QByteArray bytes = file.read(LargestFile + 1);
    if (bytes.size() > LargestFile || !looksLikeSettings(bytes)
        || asksForDecoding(QString::fromUtf8(bytes))) {
        return {State::Damaged, {}, mode};
    }
    return {State::Readable, bytes, mode};
}

#endif // Q_OS_WIN

#endif // LIMBORA_SETTINGS_FILE

} // namespace

SettingsFile::SettingsFile()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    m_path = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + u"/Limbora/Limbora.conf"_s;
#elif defined(Q_OS_WIN)
    // %APPDATA%\Limbora\Limbora.ini, where QSettings' own INI files of a user go there.
    if (const QString appData = roamingAppData(); !appData.isEmpty()) {
        m_path = appData + u"/Limbora/Limbora.ini"_s;
    }
#endif
}

std::unique_ptr<QSettings> SettingsFile::forReading() const
{
    if (m_path.isEmpty()) {
        return nativeStore();
    }
#ifdef LIMBORA_SETTINGS_FILE
    const Contents now = inspect(m_path);
    if (now.state != State::Readable) {
        return nullptr;
    }
    // QSettings parses a private copy of the bytes looked at, so that nothing put in the file's
    // place meanwhile (a FIFO, other text) is ever opened or decoded. It keeps what it parsed.
    QString parsed = m_path;
    QTemporaryFile copy(QDir::tempPath() + u"/limbora-settings-XXXXXX"_s);
    if (copy.open() && copy.write(now.bytes) == now.bytes.size() && copy.flush()) {
        copy.close();
        parsed = copy.fileName();
    }
    // A line QSettings can't read costs only itself, as it does when the file is written back.
    return std::make_unique<QSettings>(parsed, QSettings::IniFormat);
#else
    return nullptr;
#endif
}

std::unique_ptr<SettingsWriter> SettingsFile::forWriting() const
{
    std::unique_ptr<SettingsWriter> writer(new SettingsWriter);
    if (m_path.isEmpty()) {
        writer->m_settings = nativeStore();
        return writer;
    }
#ifdef LIMBORA_SETTINGS_FILE
    const auto refused = [this](const QString &why) {
        qCWarning(lcFiles, "%s: not saved: %s", qUtf8Printable(m_path), qUtf8Printable(why));
        return nullptr;
    };
    const QFileInfo folder(QFileInfo(m_path).path());
    auto own = std::make_unique<OwnedFolder>(folder.path(), folder.fileName());
    if (!own->isOpen()) {
        return refused(own->why());
    }
    // Held until the new file is in place, so that no other instance writes in between; QSettings
    // never takes it, since it only ever writes the private copy.
    writer->m_lock = std::make_unique<LockFile>(m_path + u".lock"_s);
    if (!writer->m_lock->tryLock(std::chrono::milliseconds(LockWaitMs))) {
        return refused(writer->m_lock->state() == LockFile::State::Held
                           ? u"another instance holds the lock"_s
                           : u"the lock is "_s + writer->m_lock->whyUnusable());
    }
    const Contents now = inspect(m_path);
    if (now.state == State::NotAFile || now.state == State::Unreadable) {
        return refused(u"not a regular file"_s);
    }
    writer->m_target = QFileInfo(m_path).fileName();
    writer->m_folder = std::move(own);
    if (now.state != State::Missing) {
        writer->m_mode = now.mode;
    }
    if (QFileInfo(m_path).isSymLink()) {
        // A link to the file is followed and kept: its target is what gets replaced.
        const QFileInfo target(QFileInfo(m_path).canonicalFilePath());
        if (target.fileName().isEmpty()) {
            return refused(u"gone since the look"_s);
        }
        writer->m_target = target.fileName();
        writer->m_folder = std::make_unique<OwnedFolder>(target.path(), QString());
    }
    // Made beside the file it replaces, so that renaming it over that file is a single step.
    writer->m_work = writer->m_folder->makeTemporary(writer->m_target);
    if (writer->m_work.isEmpty()) {
        return refused(writer->m_folder->why());
    }
    if (!writer->m_folder->write(writer->m_work, now.bytes)) {
        return refused(writer->m_folder->why());
    }
    const QString workPath = writer->m_folder->path() + u'/' + writer->m_work;
    writer->m_settings = std::make_unique<QSettings>(workPath, QSettings::IniFormat);
    // QSettings parses at the first read, and a line it can't read (one without `=`) fails every
    // later sync: what it could read is kept, the rest dropped, so that the file can be saved.
    const QStringList keys = writer->m_settings->allKeys();
    if (writer->m_settings->status() == QSettings::FormatError) {
        qCWarning(lcFiles, "%s: lines that aren't settings are dropped", qUtf8Printable(m_path));
        QVariantMap kept;
        for (const QString &key : keys) {
            kept.insert(key, writer->m_settings->value(key));
        }
        writer->m_settings.reset();
        if (!QFile::resize(workPath, 0)) {
            return refused(u"the new file can't be written"_s);
        }
        writer->m_settings = std::make_unique<QSettings>(workPath, QSettings::IniFormat);
        for (auto it = kept.cbegin(); it != kept.cend(); ++it) {
            writer->m_settings->setValue(it.key(), it.value());
        }
    }
    return writer;
#else
    return nullptr;
#endif
}

SettingsWriter::SettingsWriter() = default;

SettingsWriter::~SettingsWriter()
{
    // Whatever QSettings still holds goes into the new file first, which is then dropped.
    m_settings.reset();
    if (m_folder && !m_work.isEmpty()) {
        m_folder->remove(m_work);
    }
}

bool SettingsWriter::commit()
{
    if (!m_settings) {
        return false;
    }
    m_settings->sync();
    if (m_settings->status() != QSettings::NoError) {
        qCWarning(lcFiles, "%s: not saved: the settings can't be written",
                  qUtf8Printable(m_settings->fileName()));
        return false;
    }
    if (m_target.isEmpty()) {
        return true;
    }
    m_settings.reset();
    // The new file keeps the old one's permissions.
    if (!m_folder->replace(m_work, m_target, m_mode)) {
        qCWarning(lcFiles, "%s/%s: not saved: %s", qUtf8Printable(m_folder->path()),
                  qUtf8Printable(m_target), qUtf8Printable(m_folder->why()));
        return false;
    }
    m_work.clear();
    m_lock.reset();
    return true;
}
