// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QLoggingCategory>
#include <QString>

Q_DECLARE_LOGGING_CATEGORY(lcFiles)

// A folder of ours, through which every file the program writes, replaces or removes goes, so
// that nothing of the user's is ever written or removed through a link. `base` is a place the
// desktop names ($XDG_RUNTIME_DIR, $XDG_CONFIG_HOME, ...), taken as it stands; every step below it
// must be a real folder owned by the user, never a link, and is made where missing. A file is
// written only where nothing or a regular file stands, in one step (written beside, renamed over).
// The folder is held open from the first look, so nothing put in a step's place later is followed.
class OwnedFolder
{
public:
    enum class Missing { Make, Leave };

    OwnedFolder(const QString &base, const QString &below, Missing missing = Missing::Make);
    ~OwnedFolder();
    OwnedFolder(const OwnedFolder &) = delete;
    OwnedFolder &operator=(const OwnedFolder &) = delete;

    // False where a step is not a folder of ours, or missing and left so; why() says which.
    bool isOpen() const;
    QString why() const { return m_why; }
    QString path() const { return m_path; }

    // Empty where `name` may be written: nothing there, or a regular file. Else what stands there.
    QString whyNotAFile(const QString &name) const;
    // Replaces `name` whole or not at all, with the permissions `mode`.
    bool write(const QString &name, const QByteArray &bytes, unsigned mode = 0600);
    // A new empty file in the folder beginning with `prefix`, for a writer that needs a path of
    // its own; its name, or empty.
    QString makeTemporary(const QString &prefix);
    // Puts the file `from` in the place of `name` in one step, with the permissions `mode`.
    bool replace(const QString &from, const QString &name, unsigned mode);
    // Removes `name` where it is a file or a link (the link, never what it names). True where
    // nothing is left there, also where the folder is missing.
    bool remove(const QString &name);
    // Removes the folder itself where it is empty, and never `base`.
    void removeIfEmpty();

private:
    bool fail(const QString &what, const QString &why);

    QString m_path;
    QString m_name; // the last step, empty where the folder is `base` itself
    QString m_why;
    bool m_absent = false; // a step is missing, and was left so
    int m_fd = -1;
    int m_parent = -1;
};

// What a file's mode says it is, where it is not a regular file: "a link", "a FIFO", ...
QString kindOfFile(unsigned mode);

#ifdef Q_OS_UNIX
// What the system says of an errno, in the user's language.
QString systemError(int code);
#endif
