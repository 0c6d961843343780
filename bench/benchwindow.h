// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The game's main window, built and shown on Qt's offscreen platform with
// the tests' fakes, which cost nothing measurable here: the player only
// counts (sound is timed on its own, by process-figures.sh), the open-file
// dialog answers at once. The draws use the game's own clock-seeded source.

#include "benchdata.h"
#include "playfixture.h"

#include <QCoreApplication>

namespace benchwindow {

// A program folder whose first-grade list has `gradeWords` generated words,
// and the main window loaded from it.
struct Window : PlayFixture {
    explicit Window(int gradeWords = 300)
        : PlayFixture(benchdata::words(gradeWords), FakeServices::Draws::Clock)
    {
        fakes.player.recording = false;
        settle();
    }

    QPushButton *button(const char *name) const { return find<QPushButton>(QLatin1String(name)); }
    long sounds() const { return fakes.player.count; }

    // Runs what the last command left queued (layouts, repaints), as the
    // event loop does between one input and the next. Twice: what runs in
    // the first pass may queue a repaint that the second one does.
    static void settle()
    {
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }

    // A practice list of exactly these words, through File > Open A List.
    void practise(const QStringList &words)
    {
        PlayFixture::practise(words);
        settle();
    }
};

} // namespace benchwindow
