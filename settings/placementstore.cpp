// SPDX-License-Identifier: GPL-3.0-or-later
#include "placementstore.h"

#include "settingsfile.h"

#include <QSettings>

#include <algorithm>
#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

struct Key
{
    QString name;
    int fallback; // twips
    bool isSize;
};

const std::array<Key, 4> &keys()
{
    static const std::array<Key, 4> table{{
        {u"MainLeft"_s, 1000, false},
        {u"MainTop"_s, 1000, false},
        {u"MainWidth"_s, 6500, true},
        {u"MainHeight"_s, 6500, true},
    }};
    return table;
}

// Far beyond any screen, and well inside an int once in pixels.
constexpr double LargestTwips = 1e8;

// A title bar's height, near enough for telling whether some of it can be seen.
constexpr int TitleBarHeight = 24;
constexpr int GrabbableWidth = 32;

std::optional<int> toPixels(const QString &text, bool isSize, int smallest, int largest)
{
    bool ok = false;
    const double twips = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(twips) || std::abs(twips) > LargestTwips) {
        return std::nullopt;
    }
    const int pixels = int(std::lround(twips / TwipsPerPixel));
    if (isSize && (pixels < smallest || pixels > largest)) {
        return std::nullopt;
    }
    return pixels;
}

std::array<int, 4> edges(const QRect &frame)
{
    return {frame.x(), frame.y(), frame.width(), frame.height()};
}

qint64 distanceSquared(const QRect &frame, const QRect &screen)
{
    const QPoint delta = frame.center() - screen.center();
    return qint64(delta.x()) * delta.x() + qint64(delta.y()) * delta.y();
}

} // namespace

QRect PlacementStore::restore(const QSize &smallest, const QSize &largest)
{
    SettingsFile file;
    const std::unique_ptr<QSettings> settings = file.forReading();
    if (settings) {
        settings->beginGroup(u"Settings"_s);
    }
    const int maximum = std::numeric_limits<int>::max();
    const std::array<std::pair<int, int>, 4> ranges{{
        {0, 0},
        {0, 0},
        {std::max(1, smallest.width()), largest.isValid() ? largest.width() : maximum},
        {std::max(1, smallest.height()), largest.isValid() ? largest.height() : maximum},
    }};
    std::array<int, 4> pixels{};
    for (std::size_t i = 0; i < keys().size(); ++i) {
        const Key &key = keys()[i];
        const auto [least, most] = ranges[i];
        const QString fallback = QString::number(key.fallback);
        QString text = settings ? settings->value(key.name, fallback).toString() : fallback;
        auto value = toPixels(text, key.isSize, least, most);
        if (!value) {
            text = fallback;
            value = toPixels(text, key.isSize, 1, maximum);
        }
        m_read[i] = {text, *value};
        pixels[i] = *value;
    }
    m_restored = true;
    return QRect(pixels[0], pixels[1], pixels[2], pixels[3]);
}

void PlacementStore::save(const QRect &frame)
{
    const std::unique_ptr<SettingsWriter> file = SettingsFile().forWriting();
    if (!file) {
        return; // not kept: the file stays as it was
    }
    QSettings *settings = &file->settings();
    settings->beginGroup(u"Settings"_s);
    const auto now = edges(frame);
    for (std::size_t i = 0; i < keys().size(); ++i) {
        const bool unchanged = m_restored && m_read[i].pixels == now[i];
        settings->setValue(keys()[i].name,
                           unchanged ? m_read[i].text : QString::number(now[i] * TwipsPerPixel));
    }
    settings->endGroup();
    file->commit();
}

QRect keepOnScreen(const QRect &frame, const QList<QRect> &screens)
{
    if (screens.isEmpty()) {
        return frame;
    }
    const QRect titleBar(frame.x(), frame.y(), frame.width(), TitleBarHeight);
    const int grabbable = std::min(GrabbableWidth, frame.width());
    for (const QRect &screen : screens) {
        const QRect seen = titleBar.intersected(screen);
        if (seen.width() >= grabbable && seen.height() > 0) {
            return frame;
        }
    }
    const QRect nearest = *std::min_element(
        screens.begin(), screens.end(), [&frame](const QRect &a, const QRect &b) {
            return distanceSquared(frame, a) < distanceSquared(frame, b);
        });
    // Inside the screen where it fits; a frame larger than the screen keeps its top left there.
    const int left
        = std::max(nearest.left(), std::min(frame.left(), nearest.right() + 1 - frame.width()));
    const int top
        = std::max(nearest.top(), std::min(frame.top(), nearest.bottom() + 1 - frame.height()));
    return QRect(QPoint(left, top), frame.size());
}
