// SPDX-License-Identifier: GPL-3.0-or-later
#include "callart.h"

#include "ownedfolder.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
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
    if (!m_owned) {
        return;
    }
    for (const QString &name : std::as_const(m_files)) {
        m_owned->remove(name);
    }
    m_owned->removeIfEmpty(); // only if nothing else is in it
}

QString CallArt::urlFor(Rgb colour)
{
    const QString hex = colour.hex().mid(1);
    if (const auto made = m_made.constFind(hex); made != m_made.cend()) {
        return made.value();
    }
    if (!m_owned) {
        const QFileInfo folder(m_folder);
        m_owned = std::make_unique<OwnedFolder>(folder.path(), folder.fileName());
    }
    // Written afresh each run over a picture left there; a link there is replaced, never written
    // through, and a folder or anything else in the way is left alone.
    const QString name = u"call-"_s + hex + u".png"_s;
    if (!m_owned->remove(name) || !m_owned->write(name, spotPicture(colour))) {
        return QString();
    }
    m_files << name;
    const QString url = QUrl::fromLocalFile(m_owned->path() + u'/' + name).toString();
    m_made.insert(hex, url);
    return url;
}
