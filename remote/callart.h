// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calltables.h"

#include <QHash>
#include <QString>

// A small picture of a call's colour, a spot as on the board, for a remote's notification: a PNG
// file per colour in the user's cache folder (limbora/ in $XDG_CACHE_HOME), made when first asked
// for.
class CallArt
{
public:
    // The folder defaults to the user's cache folder.
    explicit CallArt(const QString &folder = QString());

    // The picture's file URL, or an empty text where the file can't be written.
    QString urlFor(Rgb colour);

private:
    QString m_folder;
    QHash<QString, QString> m_made; // colour to URL, for this run
};
