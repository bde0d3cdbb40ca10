// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the window's widget tests share: a settings folder of their own (settingsfixture.h), and a
// main window whose game hears nothing.

#include "gamedoubles.h"
#include "gamesession.h"
#include "helplauncher.h"
#include "mainwindow.h"
#include "settingsfixture.h"
#include "soundplayer.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>

// The main window over an empty sound folder: nothing is heard, every sound ends at once.
struct Program
{
    enum class Viewer { Recording, Missing };

    explicit Program(Viewer viewer = Viewer::Recording)
        : help(viewer == Viewer::Missing
                   ? HelpLauncher(QStringLiteral("/nonexistent/xdg-open"),
                                  {QStringLiteral("limbora.html")})
                   : HelpLauncher(
                       QStringLiteral("/bin/sh"),
                       {QStringLiteral("-c"), QStringLiteral("echo help >> \"$0\""), launches}))
    {
    }

    QTemporaryDir sounds;
    FakeClock clock;
    ScriptedRandom random;
    SoundPlayer player{sounds.path() + u'/'};
    // Each launch of the help viewer leaves a line in a file.
    QString launches = sounds.filePath(QStringLiteral("launches"));
    HelpLauncher help;
    GameSession game{clock, random, player, QString(), MainWindow::DesktopColour};
    MainWindow window{game, help};

    template<typename T>
    T *find(const QString &name)
    {
        auto *found = window.findChild<T *>(name);
        if (!found) {
            qWarning("no %s", qPrintable(name));
        }
        return found;
    }
    QPushButton *start() { return find<QPushButton>(QStringLiteral("cmdStart")); }
    QPushButton *stop() { return find<QPushButton>(QStringLiteral("cmdStop")); }
    QLabel *status() { return find<QLabel>(QStringLiteral("lblStatus")); }
    QLabel *display() { return find<QLabel>(QStringLiteral("lblDisplay")); }
    GameSequencer::Phase phase() { return game.sequencer()->phase(); }
};
