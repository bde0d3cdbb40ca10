// SPDX-License-Identifier: GPL-3.0-or-later
#include "titlebar.h"

#include "qtwaylanddecoration.h"

#include <QGuiApplication>
#include <QIcon>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QWindow>

#include <array>

namespace {

constexpr qreal ButtonSize = 18;
constexpr qreal ButtonGap = 5;
constexpr qreal RightMargin = 8;

bool offers(const QWindow &window, TitleBar::Part button)
{
    const Qt::WindowFlags flags = window.flags();
    const bool customized = flags & Qt::CustomizeWindowHint;
    switch (button) {
    case TitleBar::Part::Close:
        return !customized || (flags & Qt::WindowCloseButtonHint);
    case TitleBar::Part::Minimize:
        return !customized || (flags & Qt::WindowMinimizeButtonHint);
    case TitleBar::Part::Maximize:
        return (!customized || (flags & Qt::WindowMaximizeButtonHint))
            && window.minimumSize() != window.maximumSize();
    default:
        return false;
    }
}

// Right to left, as Qt's own title bar has them.
constexpr std::array Buttons{TitleBar::Part::Close, TitleBar::Part::Maximize,
                             TitleBar::Part::Minimize};

} // namespace

namespace TitleBar {

QRectF buttonRect(const QWindow &window, QSize frame, Part button)
{
    qreal right = frame.width() - RightMargin;
    for (const Part part : Buttons) {
        if (!offers(window, part)) {
            continue;
        }
        const QRectF rect(right - ButtonSize, (Frame.top() - ButtonSize) / 2, ButtonSize,
                          ButtonSize);
        if (part == button) {
            return rect;
        }
        right = rect.left() - ButtonGap;
    }
    return {};
}

Part partAt(const QWindow &window, QSize frame, QPointF point)
{
    if (point.y() > Frame.top() || point.x() < Frame.left()
        || point.x() >= frame.width() - Frame.right()) {
        return Part::Outside;
    }
    for (const Part button : Buttons) {
        if (buttonRect(window, frame, button).contains(point)) {
            return button;
        }
    }
    return Part::Title;
}

void paint(QPainter &painter, const QWindow &window, QSize frame, bool active)
{
    const QPalette palette = QGuiApplication::palette();
    const QColor ink
        = palette.color(active ? QPalette::Active : QPalette::Disabled, QPalette::WindowText);
    painter.setRenderHint(QPainter::Antialiasing);
    // The frame around the client, which draws itself over the middle.
    QPainterPath outline;
    outline.addRoundedRect(QRectF(QPointF(0, 0), frame), 3, 3);
    painter.fillPath(outline, palette.color(QPalette::Active, QPalette::Window));

    qreal titleLeft = Frame.left() + ButtonGap;
    if (const QIcon icon = window.icon(); !icon.isNull()) {
        icon.paint(&painter, QRect(int(titleLeft), 4, 22, 22));
        titleLeft += 22 + ButtonGap;
    }
    qreal titleRight = frame.width() - RightMargin;
    for (const Part button : Buttons) {
        if (const QRectF rect = buttonRect(window, frame, button); !rect.isEmpty()) {
            titleRight = rect.left() - ButtonGap;
        }
    }
    QFont font = painter.font();
    font.setPixelSize(14);
    painter.setFont(font);
    painter.setPen(ink);
    const QRectF bar(0, 0, frame.width(), Frame.top());
    painter.save();
    painter.setClipRect(QRectF(titleLeft, 0, titleRight - titleLeft, Frame.top()));
    painter.drawText(bar, Qt::AlignCenter | Qt::TextSingleLine, window.title());
    painter.restore();

    QPen pen(ink, 2);
    painter.setPen(pen);
    if (const QRectF close = buttonRect(window, frame, Part::Close); !close.isEmpty()) {
        const QRectF cross = close.adjusted(5, 5, -5, -5);
        painter.drawLine(cross.topLeft(), cross.bottomRight());
        painter.drawLine(cross.bottomLeft(), cross.topRight());
    }
    if (const QRectF box = buttonRect(window, frame, Part::Maximize); !box.isEmpty()) {
        pen.setWidth(1);
        painter.setPen(pen);
        painter.drawRect(box.adjusted(4, 5, -4, -5));
        pen.setWidth(2);
        painter.setPen(pen);
    }
    if (const QRectF line = buttonRect(window, frame, Part::Minimize); !line.isEmpty()) {
        const QRectF bar = line.adjusted(5, 5, -5, -5);
        painter.drawLine(bar.bottomLeft(), bar.bottomRight());
    }
}

} // namespace TitleBar

namespace {

using namespace QtWaylandClient;

class TitleBarDecoration : public QWaylandAbstractDecoration
{
    Q_OBJECT

public:
    TitleBarDecoration()
    {
        // Qt asks for the frame again as the compositor activates the window, before the
        // application has heard of it: the frame is drawn again once it has.
        connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, [this] {
            update();
            if (window()) {
                window()->requestUpdate();
            }
        });
    }

    QMargins margins(MarginsType type) const override
    {
        return type == ShadowsOnly ? QMargins() : TitleBar::Frame;
    }

    bool handleMouse(QWaylandInputDevice *device, const QPointF &local, const QPointF &,
                     Qt::MouseButtons buttons, Qt::KeyboardModifiers) override
    {
        const TitleBar::Part part = TitleBar::partAt(*window(), frameSize(), local);
        if (part == TitleBar::Part::Outside) {
            setMouseButtons(buttons);
            // A border is the frame's (the window has no size to drag), the rest the client's.
            return !QRectF(QPointF(), frameSize()).marginsRemoved(TitleBar::Frame).contains(local);
        }
        if (isRightClicked(buttons)) {
            showWindowMenu(device);
        } else if (part == TitleBar::Part::Title) {
            if (isLeftClicked(buttons)) {
                startMove(device, buttons);
            }
        } else if (isLeftClicked(buttons)) {
            m_pressed = part;
        } else if (isLeftReleased(buttons)) {
            if (m_pressed == part) {
                press(part);
            }
            m_pressed = TitleBar::Part::Outside;
        }
        setMouseButtons(buttons); // after the checks, which compare with the buttons before
        return true;
    }

    bool handleTouch(QWaylandInputDevice *device, const QPointF &local, const QPointF &,
                     QEventPoint::State state, Qt::KeyboardModifiers) override
    {
        const TitleBar::Part part = TitleBar::partAt(*window(), frameSize(), local);
        if (state != QEventPoint::Pressed || part == TitleBar::Part::Outside) {
            return false;
        }
        if (part == TitleBar::Part::Title) {
            startMove(device, Qt::LeftButton);
        } else {
            press(part);
        }
        return true;
    }

protected:
    void paint(QPaintDevice *device) override
    {
        QPainter painter(device);
        TitleBar::paint(painter, *window(), frameSize(), window()->isActive());
    }

private:
    QSize frameSize() const { return window()->size().grownBy(TitleBar::Frame); }

    void press(TitleBar::Part button)
    {
        if (button == TitleBar::Part::Close) {
            window()->close(); // as Qt's own: the program's close path
        } else if (button == TitleBar::Part::Minimize) {
            window()->showMinimized();
        } else if (button == TitleBar::Part::Maximize) {
            window()->setWindowStates(window()->windowStates() ^ Qt::WindowMaximized);
        }
    }

    TitleBar::Part m_pressed = TitleBar::Part::Outside;
};

} // namespace

// Found by Qt among its decoration plugins, by the key "limbora" (main() asks for it).
class TitleBarDecorationPlugin : public QtWaylandClient::QWaylandDecorationPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QWaylandDecorationFactoryInterface_iid FILE "titlebar.json")

public:
    QtWaylandClient::QWaylandAbstractDecoration *create(const QString &,
                                                        const QStringList &) override
    {
        return new TitleBarDecoration;
    }
};

#include "titlebar.moc"
