// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QAction;
class QPushButton;

// In full screen, large buttons to touch or click: Start, Pause or Resume, Repeat Call, Next,
// and Stop set apart so that it isn't hit by accident. Each drives the game's own action, so it is
// offered exactly when the menu entry and the key are. They take no keyboard focus: Space and
// Enter stay with the window's buttons.
class StageControls : public QWidget
{
    Q_OBJECT

public:
    struct Actions
    {
        QAction *start = nullptr;
        QAction *pause = nullptr; // checkable: checked while the game holds
        QAction *repeat = nullptr;
        QAction *next = nullptr;
        QAction *stop = nullptr;
    };

    StageControls(const Actions &actions, QWidget *parent = nullptr);

    // Laid out in this rectangle, the words shrunk where they wouldn't fit.
    void place(const QRect &rect, const QFont &font);

private:
    QPushButton *addButton(QAction *action, const QString &name);
    void showPause();

    Actions m_actions;
    QList<QPushButton *> m_buttons; // left to right
};
