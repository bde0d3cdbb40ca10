// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QRect>

class QLabel;
class QTimer;
class QWidget;

// In full screen: a short hint on how to leave it, shown on entering and whenever the mouse
// moves or a finger touches, and the pointer hidden after a few seconds without movement, so
// nothing but the game stands on the screen. The window places the hint; this only decides when it
// shows.
class FullScreenHint : public QObject
{
    Q_OBJECT

public:
    static constexpr int HintMs = 4000;
    static constexpr int PointerMs = 3000;

    // The hint is a child of `parent` (the window's client); mouse moves are watched on
    // `window`'s own window.
    FullScreenHint(QWidget *window, QWidget *parent);

    // Tests need not wait seconds.
    void setDelays(int hintMs, int pointerMs);

    void setActive(bool active);
    // Sized to its words in the given font, at the foot of the room given, centred.
    void place(const QRect &room, const QFont &font);
    bool isPointerHidden() const { return m_pointerHidden; }

Q_SIGNALS:
    // What shows with the pointer (the touch controls) follows this.
    void pointerHiddenChanged(bool hidden);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showHint();
    void setPointerHidden(bool hidden);

    QWidget *m_window;
    QLabel *m_label = nullptr;
    QTimer *m_hintTimer = nullptr;
    QTimer *m_pointerTimer = nullptr;
    QTimer *m_revealTimer = nullptr;
    bool m_active = false;
    bool m_pointerHidden = false;
};
