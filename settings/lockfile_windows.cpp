// SPDX-License-Identifier: GPL-3.0-or-later
// Windows: the lock is the file opened with no sharing at all, so a second opener is refused at
// once and a crashed owner's file is free again as its process ends. The path is never followed
// through a link, and anything but a file on a disk (a device name, a folder) is left alone.
#include "lockfile.h"

#include <QDir>
#include <QFileInfo>

#include <fcntl.h>
#include <io.h>
#include <windows.h>

using namespace Qt::StringLiterals;

namespace {

QString systemError(DWORD code)
{
    wchar_t *text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<LPWSTR>(&text), 0, nullptr);
    const QString message
        = length ? QString::fromWCharArray(text, int(length)).trimmed() : u"error %1"_s.arg(code);
    LocalFree(text);
    return message;
}

std::wstring nativePath(const QString &path)
{
    return QDir::toNativeSeparators(path).toStdWString();
}

// Empty where the open handle may hold a lock: a file on a disk, not a link, of a lock's size.
QString whyNotALock(HANDLE file)
{
    if (GetFileType(file) != FILE_TYPE_DISK) {
        return u"a device"_s;
    }
    BY_HANDLE_FILE_INFORMATION information = {};
    if (!GetFileInformationByHandle(file, &information)) {
        return systemError(GetLastError());
    }
    if (information.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
        return u"a link"_s;
    }
    if (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        return u"a folder"_s;
    }
    const qint64 size = (qint64(information.nFileSizeHigh) << 32) | information.nFileSizeLow;
    if (size > LockFile::LargestLock) {
        return u"%1 bytes, larger than a lock"_s.arg(size);
    }
    return {};
}

HANDLE handleOf(int fd)
{
    return reinterpret_cast<HANDLE>(_get_osfhandle(fd));
}

} // namespace

LockFile::State LockFile::attempt()
{
    m_why.clear();
    // No sharing: whoever has it open, a QLockFile among them, keeps us out and we keep them out.
    const HANDLE file
        = CreateFileW(nativePath(m_path).c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, 0, nullptr,
                      OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION) {
            return State::Held;
        }
        m_why = error == ERROR_ACCESS_DENIED && QFileInfo(m_path).isDir() ? u"a folder"_s
                                                                          : systemError(error);
        return State::Unusable;
    }
    m_why = whyNotALock(file);
    const QByteArray details = ownerDetails();
    DWORD written = 0;
    if (m_why.isEmpty()
        && (SetFilePointer(file, 0, nullptr, FILE_BEGIN) == INVALID_SET_FILE_POINTER
            || !SetEndOfFile(file)
            || !WriteFile(file, details.constData(), DWORD(details.size()), &written, nullptr)
            || written != DWORD(details.size()))) {
        m_why = systemError(GetLastError()); // a full disk
    }
    if (!m_why.isEmpty()) {
        CloseHandle(file);
        return State::Unusable;
    }
    m_fd = _open_osfhandle(reinterpret_cast<intptr_t>(file), _O_RDWR);
    if (m_fd < 0) {
        CloseHandle(file);
        m_why = u"no file descriptor left"_s;
        return State::Unusable;
    }
    return State::Locked;
}

void LockFile::unlock()
{
    if (m_fd < 0) {
        return;
    }
    // Removed as it is closed, while still held, so that no one takes a lock about to vanish.
    FILE_DISPOSITION_INFO disposition = {};
    disposition.DeleteFile = TRUE;
    SetFileInformationByHandle(handleOf(m_fd), FileDispositionInfo, &disposition,
                               sizeof disposition);
    _close(m_fd);
    m_fd = -1;
    m_state = State::Unlocked;
}

QString LockFile::clearOwnedPath(const QString &path)
{
    const std::wstring name = nativePath(path);
    const DWORD attributes = GetFileAttributesW(name.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? QString()
                                                                              : systemError(error);
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) && !(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        return u"a folder"_s;
    }
    // A link is removed itself, never what it points to.
    const bool removed = (attributes & FILE_ATTRIBUTE_DIRECTORY) ? RemoveDirectoryW(name.c_str())
                                                                 : DeleteFileW(name.c_str());
    return removed || GetLastError() == ERROR_FILE_NOT_FOUND ? QString()
                                                             : systemError(GetLastError());
}
