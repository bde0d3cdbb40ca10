// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

// frmHiddenWindow: the credits behind the About box's title letter, with an illustrated
// portrait. Sizable; its controls keep their places. Discarded when closed.
class HiddenWindow : public QDialog
{
    Q_OBJECT

public:
    explicit HiddenWindow(QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *m_picture = nullptr;
};
