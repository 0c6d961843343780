// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The game's main window, built and shown on Qt's offscreen platform with
// services that cost nothing measurable: a silent player (sound is timed on
// its own, by process-figures.sh), an open-file dialog that answers at once.
// The draws use the game's own clock-seeded source.

#include "benchdata.h"

#include "practice/frmvarbo.h"
#include "ui/services.h"
#include "sound/waveplayer.h"
#include "wordlist/clockrandomsource.h"

#include <QAction>
#include <QCoreApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <memory>

namespace benchwindow {

class SilentPlayer final : public WavePlayer
{
public:
    void PlayWave(const QString &) override { ++played; }
    long played = 0;
};

class InstantDialogs final : public FileDialogs
{
public:
    QString openFileName(QWidget *, const QString &) override { return answer; }
    QString saveFileName(QWidget *, const QString &) override { return {}; }
    QString answer;
};

class NoMessages final : public MessageBoxes
{
public:
    void exclamation(QWidget *, const QString &, const QString &) override {}
};

class NoEnd final : public ProgramEnd
{
public:
    void endNow() override {}
};

// A program folder whose first-grade list has `gradeWords` generated words,
// and the main window loaded from it.
struct Window {
    QTemporaryDir folder;
    SilentPlayer player;
    InstantDialogs dialogs;
    NoMessages messages;
    ClockRandomSource random;
    NoEnd ending;
    Services services{player, dialogs, messages, random, ending, folder.path()};
    std::unique_ptr<frmVarbo> window;

    explicit Window(int gradeWords = 300)
    {
        benchdata::writeList(file(QStringLiteral("firstGrade.dat")), benchdata::words(gradeWords));
        window = std::make_unique<frmVarbo>(services);
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowExposed(window.get()))
            qFatal("the main window was not shown");
        settle();
    }

    QString file(const QString &name) const { return folder.filePath(name); }

    QAction *action(const char *name) const
    {
        auto *a = window->findChild<QAction *>(QLatin1String(name));
        if (!a)
            qFatal("no action %s", name);
        return a;
    }
    QPushButton *button(const char *name) const
    {
        auto *b = window->findChild<QPushButton *>(QLatin1String(name));
        if (!b)
            qFatal("no button %s", name);
        return b;
    }

    // Runs what the last command left queued (layouts, repaints), as the
    // event loop does between one input and the next. Twice: what runs in
    // the first pass may queue a repaint that the second one does.
    static void settle()
    {
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }

    // A practice list of exactly these words, through File > Open A List.
    void practise(const QString &name, const QStringList &words)
    {
        benchdata::writeList(file(name), words);
        dialogs.answer = file(name);
        action("mnuFileOpenList")->trigger();
        settle();
    }
};

} // namespace benchwindow
