// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <functional>

class QLabel;

// frmAbout: the program's title, long name, version, date, credits and trademark notice. One
// letter of the title stands in a label of its own; a click on it opens the hidden credits
// window. Built afresh at each opening and discarded when closed.
class AboutBox : public QDialog
{
    Q_OBJECT

public:
    using PlaySound = std::function<void(const QString &name)>;

    // The title's letter that stands on its own, and the title with three blanks in its place.
    static const QString Title;
    static constexpr int SplitLetter = 5; // the r

    explicit AboutBox(PlaySound playAndReturn, QWidget *parent = nullptr);

private:
    void lblLetterR_Click();

    PlaySound m_playAndReturn;
};
