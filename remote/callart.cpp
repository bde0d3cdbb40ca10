// SPDX-License-Identifier: GPL-3.0-or-later
#include "callart.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

constexpr int Side = 128;

QByteArray spotPicture(Rgb colour)
{
    QImage image(Side, Side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(colour.red, colour.green, colour.blue));
    painter.drawEllipse(QRectF(8, 8, Side - 16, Side - 16));
    painter.end();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

} // namespace

CallArt::CallArt(const QString &folder)
    : m_folder(folder.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation)
                       + u"/limbora"_s
                                : folder)
{
}

CallArt::~CallArt()
{
    for (const QString &file : std::as_const(m_files)) {
        QFile::remove(file);
    }
    if (!m_files.isEmpty()) {
        QDir().rmdir(m_folder); // only if nothing else is in it
    }
}

QString CallArt::urlFor(Rgb colour)
{
    const QString name = colour.hex().mid(1);
    if (const auto made = m_made.constFind(name); made != m_made.cend()) {
        return made.value();
    }
    const QString path = m_folder + u"/call-"_s + name + u".png"_s;
    // Written afresh each run over whatever stands there. A link is removed first, since the
    // save would write through it; a folder in the way is left alone.
    const QFileInfo existing(path);
    if (existing.isSymLink()) {
        QFile::remove(path);
    } else if (existing.isDir()) {
        return QString();
    }
    if (!QDir().mkpath(m_folder)) {
        return QString();
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(spotPicture(colour)) < 0 || !file.commit()) {
        return QString();
    }
    m_files << path;
    const QString url = QUrl::fromLocalFile(path).toString();
    m_made.insert(name, url);
    return url;
}
