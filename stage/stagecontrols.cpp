// SPDX-License-Identifier: GPL-3.0-or-later
#include "stagecontrols.h"

#include <QAction>
#include <QFontMetrics>
#include <QPushButton>

#include <algorithm>

using namespace Qt::StringLiterals;

StageControls::StageControls(const Actions &actions, QWidget *parent)
    : QWidget(parent)
    , m_actions(actions)
{
    setObjectName(u"frmStageControls"_s);
    //: For screen readers: the row of large buttons shown in full screen.
    setAccessibleName(tr("Game controls"));
    // Light buttons with a dark rim, readable on the white room and over the paused veil.
    setStyleSheet(u"QPushButton { color: black; background-color: rgb(245, 245, 245);"
                  " border: 3px solid rgb(60, 60, 60); border-radius: 12px; padding: 0 0.6em; }"
                  " QPushButton:pressed { background-color: rgb(200, 200, 200); }"
                  " QPushButton:disabled { color: rgb(150, 150, 150);"
                  " border-color: rgb(170, 170, 170); }"_s);
    //: A large button in full screen: starts a game.
    addButton(actions.start, u"cmdStageStart"_s)->setText(tr("Start"));
    addButton(actions.pause, u"cmdStagePause"_s);
    //: A large button in full screen: says the current call again.
    addButton(actions.repeat, u"cmdStageRepeat"_s)->setText(tr("Repeat Call"));
    //: A large button in full screen: makes the next call at once.
    addButton(actions.next, u"cmdStageNext"_s)->setText(tr("Next"));
    //: A large button in full screen: stops the game.
    addButton(actions.stop, u"cmdStageStop"_s)->setText(tr("Stop"));
    connect(actions.pause, &QAction::toggled, this, &StageControls::showPause);
    showPause();
    // Whole words until full screen places them.
    for (QPushButton *button : std::as_const(m_buttons)) {
        button->adjustSize();
    }
    hide();
}

QPushButton *StageControls::addButton(QAction *action, const QString &name)
{
    auto *button = new QPushButton(this);
    button->setObjectName(name);
    button->setFocusPolicy(Qt::NoFocus);
    button->setEnabled(action->isEnabled());
    connect(action, &QAction::changed, button,
            [button, action] { button->setEnabled(action->isEnabled()); });
    connect(button, &QPushButton::clicked, action, &QAction::trigger);
    m_buttons << button;
    return button;
}

void StageControls::showPause()
{
    //: A large button in full screen: holds the game.
    const QString pause = tr("Pause");
    //: A large button in full screen, in place of Pause while the game holds: goes on with it.
    const QString resume = tr("Resume");
    m_buttons.at(1)->setText(m_actions.pause->isChecked() ? resume : pause);
    m_buttons.at(1)->setAccessibleName(m_buttons.at(1)->text());
}

void StageControls::place(const QRect &rect, const QFont &font)
{
    setGeometry(rect);
    // The words' widths as laid out, Pause taking the room its longer word needs.
    const auto widthOf = [](const QFontMetrics &metrics, const QStringList &texts) {
        int widest = 0;
        for (const QString &text : texts) {
            widest = std::max(widest, metrics.horizontalAdvance(text));
        }
        return widest;
    };
    const auto textsOf = [this](int index) {
        return index == 1 ? QStringList{tr("Pause"), tr("Resume")}
                          : QStringList{m_buttons.at(index)->text()};
    };
    QFont fitted = font;
    const auto widths = [&](const QFont &candidate) {
        const QFontMetrics metrics(candidate);
        QList<int> result;
        for (int i = 0; i < m_buttons.size(); ++i) {
            result << widthOf(metrics, textsOf(i)) + 2 * metrics.height(); // padding and rim
        }
        return result;
    };
    // Stop stands apart by at least one button's height.
    const int gap = rect.height() / 4;
    const int apart = rect.height();
    const auto widthOfRow = [&](const QList<int> &sizes) {
        int total = int(sizes.size() - 2) * gap + apart;
        for (int size : sizes) {
            total += size;
        }
        return total;
    };
    QList<int> sizes = widths(fitted);
    // Text doesn't narrow exactly in step with its size: shrink until the row fits.
    for (int total = widthOfRow(sizes); total > rect.width() && fitted.pixelSize() > 8;
         total = widthOfRow(sizes)) {
        fitted.setPixelSize(std::max(
            8, std::min(fitted.pixelSize() - 1, fitted.pixelSize() * rect.width() / total)));
        sizes = widths(fitted);
    }
    int left = 0;
    for (int i = 0; i < m_buttons.size(); ++i) {
        QPushButton *button = m_buttons.at(i);
        button->setFont(fitted);
        if (i == m_buttons.size() - 1) {
            left = std::max(left + apart - gap, rect.width() - sizes.at(i));
        }
        button->setGeometry(left, 0, sizes.at(i), rect.height());
        left += sizes.at(i) + gap;
    }
}
