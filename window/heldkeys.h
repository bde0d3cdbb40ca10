// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QWidget;

// A key held down acts once. Every key of the caller's window starts, stops, pauses, repeats or
// toggles something, so the keyboard's repeats of a press are dropped before a shortcut, a
// button or the window itself can take them. Its menus and dialogs are windows of their own and
// keep their repeats.
class HeldKeys : public QObject
{
    Q_OBJECT

public:
    explicit HeldKeys(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Milliseconds between a key's release and its next press within which the press is taken
    // for the keyboard's repeat.
    static constexpr quint64 RepeatGap = 2;

    QWidget *m_window = nullptr;
    int m_released = 0; // the last key let go, and when
    quint64 m_releasedAt = 0;
};
