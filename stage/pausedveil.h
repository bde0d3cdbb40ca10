// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// In full screen, a paused game seen from across the room: the whole stage dims under a large
// "Paused" and the seconds the wait had left. Clicks go through to what lies beneath.
class PausedVeil : public QWidget
{
    Q_OBJECT

public:
    explicit PausedVeil(QWidget *parent = nullptr);

    // Negative while no wait was under way (a call was being made).
    void setSecondsLeft(int seconds);
    QString title() const;
    QString secondsText() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_secondsLeft = -1;
};
