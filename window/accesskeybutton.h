// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

// A push button whose access key presses it at once. Qt animates an access key's press for a
// tenth of a second before it clicks; START and STOP! must answer faster than that.
class AccessKeyButton : public QPushButton
{
    Q_OBJECT

public:
    explicit AccessKeyButton(const QString &caption, QWidget *parent = nullptr);

protected:
    bool event(QEvent *event) override;
};
