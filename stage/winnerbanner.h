// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

// In full screen, the round's winner across the middle of the stage, large enough to read from
// the mat, until the next round starts. Clicks go through to what lies beneath.
class WinnerBanner : public QWidget
{
    Q_OBJECT

public:
    explicit WinnerBanner(QWidget *parent = nullptr);

    void setWinner(const QString &name);
    QString text() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_winner;
};
