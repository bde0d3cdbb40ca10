// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Qt's interface for a Wayland window's frame drawn by the program, as Qt 6.4 declares it in
// QtWaylandClient's private headers, which Debian doesn't ship. Only what a frame needs is
// declared; the layout and the order of the virtual functions are Qt's, which is why the frame
// is built for that Qt only (desktop/CMakeLists.txt).

#include <QEventPoint>
#include <QMargins>
#include <QObject>

class QImage;
class QPaintDevice;
class QWindow;

namespace QtWaylandClient {

class QWaylandInputDevice;
class QWaylandWindow;
class QWaylandAbstractDecorationPrivate;

class Q_DECL_IMPORT QWaylandAbstractDecoration : public QObject
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(QWaylandAbstractDecoration)

public:
    enum MarginsType { Full, ShadowsExcluded, ShadowsOnly };

    QWaylandAbstractDecoration();
    ~QWaylandAbstractDecoration() override;

    QWaylandWindow *waylandWindow() const;
    void update();
    virtual QMargins margins(MarginsType marginsType = Full) const = 0;
    QWindow *window() const;
    virtual bool handleMouse(QWaylandInputDevice *inputDevice, const QPointF &local,
                             const QPointF &global, Qt::MouseButtons b, Qt::KeyboardModifiers mods)
        = 0;
    virtual bool handleTouch(QWaylandInputDevice *inputDevice, const QPointF &local,
                             const QPointF &global, QEventPoint::State state,
                             Qt::KeyboardModifiers mods)
        = 0;

protected:
    virtual void paint(QPaintDevice *device) = 0;
    void setMouseButtons(Qt::MouseButtons mb);
    void startMove(QWaylandInputDevice *inputDevice, Qt::MouseButtons buttons);
    void showWindowMenu(QWaylandInputDevice *inputDevice);
    bool isLeftClicked(Qt::MouseButtons newMouseButtonState);
    bool isRightClicked(Qt::MouseButtons newMouseButtonState);
    bool isLeftReleased(Qt::MouseButtons newMouseButtonState);
};

class Q_DECL_IMPORT QWaylandDecorationPlugin : public QObject
{
    Q_OBJECT

public:
    explicit QWaylandDecorationPlugin(QObject *parent = nullptr);
    ~QWaylandDecorationPlugin() override;

    virtual QWaylandAbstractDecoration *create(const QString &key, const QStringList &paramList)
        = 0;
};

} // namespace QtWaylandClient

#define QWaylandDecorationFactoryInterface_iid                                                     \
    "org.qt-project.Qt.WaylandClient.QWaylandDecorationFactoryInterface.5.4"
