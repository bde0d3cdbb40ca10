// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMargins>
#include <QRectF>
#include <QSize>

class QIcon;
class QPainter;
class QPalette;
class QString;
class QWindow;

// The title bar Qt draws on Wayland where the compositor draws none (GNOME, weston): Qt's own
// offers Maximize on any window, this one only the buttons the window's flags ask for, so a window
// of fixed size has Minimize and Close. Its frame is Qt's, so a window is placed as before.
namespace TitleBar {

inline constexpr QMargins Frame{3, 30, 3, 3};

enum class Part { Outside, Title, Minimize, Maximize, Close };

// Where a point of the frame (whose whole size is `frame`) falls, for a window that offers what
// `window`'s flags and size limits allow.
Part partAt(const QWindow &window, QSize frame, QPointF point);
QRectF buttonRect(const QWindow &window, QSize frame, Part button); // empty where not offered

void paint(QPainter &painter, const QWindow &window, QSize frame, bool active);

} // namespace TitleBar
