// SPDX-License-Identifier: GPL-3.0-or-later

// Playing a word: a key handled, and the answer check with its hiding of
// letters. Keys go in where the window system puts them (shortcut check,
// then delivery to the native window, whose filter the game has), so the
// whole way from the key event to the window's handlers is timed. The
// player is silent: the time to sound is measured by process-figures.sh.

#include "benchwindow.h"
#include "budgets.h"

#include "base/clockrandomsource.h"

#include <benchmark/benchmark.h>

#include <QtTest/qtestkeyboard.h>

#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

// The longest word there can be: every slot in use, and the third stage
// hides all of its letters, one draw each.
const QString LongWord = QStringLiteral("extraordinaire");

void press(QWindow *window, Qt::Key key, const QString &text)
{
    qt_handleKeyEvent(window, QEvent::KeyPress, key, Qt::NoModifier, text);
    qt_handleKeyEvent(window, QEvent::KeyRelease, key, Qt::NoModifier, text);
}

void typeWord(QWindow *window, const QString &word)
{
    for (QChar c : word)
        press(window, Qt::Key(Qt::Key_A + (c.unicode() - u'a')), QString(c));
}

// One key down and up per iteration, in the order a child types: the
// fourteen letters of the word, then Delete to wipe the attempt and start
// over. The release of the fourteenth letter also brings up the answer
// button. Each key is timed until the event loop is idle again, so what the
// handlers leave queued (the repaint of what they changed) is counted too.
// The figure is the mean over that cycle of fifteen keys.
void KeyDownUp(benchmark::State &state)
{
    benchwindow::Window w;
    w.practise({LongWord});
    w.nextWord();
    w.settle();
    QWindow *window = w.window->windowHandle();
    const long soundsBefore = w.sounds();
    qsizetype at = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        if (at < LongWord.size()) {
            const QChar c = LongWord.at(at);
            press(window, Qt::Key(Qt::Key_A + (c.unicode() - u'a')), QString(c));
            ++at;
        } else {
            press(window, Qt::Key_Delete, QString());
            at = 0;
        }
        w.settle();
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
    }
    // Every letter asked for its sound: the handlers really ran.
    if (w.sounds() - soundsBefore < long(state.iterations()) * 14 / 15)
        state.SkipWithError("keys did not reach the game");
}
BENCHMARK(KeyDownUp)->UseManualTime()->Unit(benchmark::kMicrosecond);
const budgets::Add keyBudget("KeyDownUp", 50e-6, "one key down and up, sound excluded");

// The answer button pressed on a right attempt at stage one, two or three:
// CheckSpelling compares the slots, HideSomeLetters wipes the attempt and
// hides a third, a half, then all of the letters, one draw of the clock-
// seeded generator each. Only the press is timed; a new word, the earlier
// stages and typing the attempt are not.
void CheckAndHide(benchmark::State &state)
{
    const int stage = int(state.range(0));
    benchwindow::Window w;
    QWindow *window = w.window->windowHandle();
    QAction *next = w.action("mnuFileNextWord");
    QPushButton *answer = w.button("cmdSpelledCorrect");
    w.practise({LongWord});
    for (auto _ : state) {
        // Our Words > Next List draws ten more words from the vocabulary,
        // which is that one word.
        if (!next->isEnabled())
            w.action("mnuOursNextList")->trigger();
        next->trigger();
        for (int earlier = 1; earlier < stage; ++earlier) {
            typeWord(window, LongWord);
            answer->click();
        }
        typeWord(window, LongWord);
        w.settle();
        const long before = w.sounds();
        const auto start = Clock::now();
        answer->click();
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        if (w.sounds() != before + 1 || w.window->play().intTimesRight() != stage) {
            state.SkipWithError("the attempt was not taken as right");
            break;
        }
    }
}
// A fixed count: the untimed typing around each press costs far more than
// the press, and would otherwise stretch the run to minutes.
BENCHMARK(CheckAndHide)
    ->ArgName("stage")
    ->DenseRange(1, 3)
    ->Iterations(200)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);
const budgets::Add checkBudget("CheckAndHide", 50e-6, "CheckSpelling plus HideSomeLetters");

// One draw as HideSomeLetters and the ten-word draw make it: the generator
// reseeded from the clock, then one value.
void OneDraw(benchmark::State &state)
{
    ClockRandomSource random;
    for (auto _ : state) {
        random.reseed();
        benchmark::DoNotOptimize(random.next());
    }
}
BENCHMARK(OneDraw)->Unit(benchmark::kMicrosecond);

} // namespace
