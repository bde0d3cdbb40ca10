// SPDX-License-Identifier: GPL-3.0-or-later
#include "designfonts.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>

using namespace Qt::StringLiterals;

namespace {

struct Bundled
{
    QString resource;
    QString family;
};

const QHash<QString, Bundled> &bundled()
{
    static const QHash<QString, Bundled> faces{
        {u"Comic Sans MS"_s, {u":/fonts/ComicNeue-Regular.otf"_s, u"Comic Neue"_s}},
        {u"Berlin Sans FB"_s, {u":/fonts/Quicksand-Bold.ttf"_s, u"Quicksand"_s}},
        {u"Times New Roman"_s, {u":/fonts/LiberationSerif-Regular.ttf"_s, u"Liberation Serif"_s}},
        {DialogFace, {u":/fonts/LiberationSans-Regular.ttf"_s, u"Liberation Sans"_s}},
    };
    return faces;
}

} // namespace

void loadBundledFonts()
{
    for (const Bundled &face : bundled()) {
        QFontDatabase::addApplicationFont(face.resource);
    }
}

QFont dialogFont()
{
    return designFont(DialogFace, DialogPoints);
}

QFont designFont(const QString &face, qreal points, QFont::Weight weight)
{
    QFont font = QGuiApplication::font();
    const auto found = bundled().constFind(face);
    if (found != bundled().constEnd()) {
        font.setFamilies({found->family});
    }
    font.setPointSizeF(points);
    font.setWeight(weight);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}
