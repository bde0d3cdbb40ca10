// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calltables.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>

class OwnedFolder;

// A small picture of a call's colour, a spot as on the board, for a remote's notification: a PNG
// file per colour in the user's runtime folder (limbora/ in $XDG_RUNTIME_DIR), made when first
// asked for and removed again with the art, so that nothing of it outlives the run. Nothing is
// written through a link or over anything but a picture file.
class CallArt
{
public:
    // The folder defaults to limbora/ in the user's runtime folder.
    explicit CallArt(const QString &folder = QString());
    ~CallArt();
    CallArt(const CallArt &) = delete;
    CallArt &operator=(const CallArt &) = delete;

    // The picture's file URL, or an empty text where the file can't be written.
    QString urlFor(Rgb colour);

private:
    QString m_folder;
    std::unique_ptr<OwnedFolder> m_owned; // from the first picture on
    QHash<QString, QString> m_made; // colour to URL, for this run
    QStringList m_files; // the names of what we wrote, to remove
};
