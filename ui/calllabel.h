// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

// The call's label. Where asked, a text colour too faint against the ground (yellow and green on
// white) gets a dark outline, so that every colour reads from across a room while keeping its
// own colour; otherwise it is a plain label.
class CallLabel : public QLabel
{
    Q_OBJECT

public:
    // Below this contrast a colour is outlined (what large text needs to be read, by WCAG).
    static constexpr qreal LeastContrast = 3.0;

    explicit CallLabel(QWidget *parent = nullptr);

    void setOutlineFaintColours(bool outline);
    // The text colour is outlined now.
    bool isOutlined() const;
    // The ground the text stands on: the label's own where it fills it, else white (the board's).
    QColor ground() const;

    // The contrast ratio of two colours, 1 to 21, by their relative luminance.
    static qreal contrast(const QColor &a, const QColor &b);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_outlineFaint = false;
};
