// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A main window built with fakes on a program folder of the test's own:
// GameFixture builds it when the test has written the lists and chosen the
// draws; PlayFixture builds it at once on a first-grade list of the test's
// words and shows it, active, offscreen.

#include "fakes.h"
#include "lookup.h"
#include "practice/frmvarbo.h"
#include "testfolder.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <memory>

struct GameFixture {
    TestFolder folder;
    FakeServices fakes;
    std::unique_ptr<frmVarbo> window;

    explicit GameFixture(FakeServices::Draws draws = FakeServices::Draws::Fake)
        : fakes(folder.path(), draws)
    {
        // What the game keeps between runs is kept in a folder of this
        // test program's own, and every window starts from nothing kept.
        static const QTemporaryDir config;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
        QSettings().clear();
    }
    frmVarbo *start()
    {
        window = std::make_unique<frmVarbo>(fakes.services);
        return window.get();
    }

    template<typename T = QWidget>
    T *find(const QString &name) const
    {
        return child<T>(window.get(), name);
    }
    QAction *action(const char *name) const { return find<QAction>(QLatin1String(name)); }
    QListWidget *list(const char *name) const { return find<QListWidget>(QLatin1String(name)); }
};

struct PlayFixture : GameFixture {
    explicit PlayFixture(const QStringList &firstGrade = {QStringLiteral("cat")},
                         FakeServices::Draws draws = FakeServices::Draws::Fake)
        : GameFixture(draws)
    {
        folder.writeList(QStringLiteral("firstGrade.dat"), firstGrade);
        start()->show();
        window->activateWindow();
        // Key events go to the active window's focus widget: without it
        // every key of the test would go nowhere.
        if (!QTest::qWaitForWindowActive(window.get()))
            qFatal("the game window did not become active");
        fakes.player.played.clear();
        writtenGround = ground()->size();
    }

    QWidget *ground() const { return window->centralWidget(); }
    // The window made so large that its ground is this many times as wide
    // and as high as at the written size (the menu bar keeps its height).
    bool scaleGround(qreal across, qreal down)
    {
        const QSize chrome = window->size() - ground()->size();
        const QSize wanted(qRound(writtenGround.width() * across),
                           qRound(writtenGround.height() * down));
        window->resize(wanted + chrome);
        return QTest::qWaitFor([&] { return ground()->size() == wanted; });
    }

    // The ground's size as the window opened, at the written size.
    QSize writtenGround;

    QLabel *prompt(int i) const { return find<QLabel>(QStringLiteral("lblPrompt%1").arg(i)); }
    QLabel *slot(int i) const { return find<QLabel>(QStringLiteral("lblWord%1").arg(i)); }
    QWidget *dot(int i) const { return find(QStringLiteral("shaZam%1").arg(i)); }
    QLabel *face(int i) const { return find<QLabel>(QStringLiteral("imgHappy%1").arg(i)); }
    bool answerShown() const { return !find(QStringLiteral("fraCom"))->isHidden(); }
    const PlayModel &play() const { return window->play(); }

    // The practice list, exactly these words in this order.
    void practise(const QStringList &words)
    {
        folder.writeList(QStringLiteral("practice.dat"), words);
        fakes.dialogs.nextOpen = {folder.file(QStringLiteral("practice.dat"))};
        action("mnuFileOpenList")->trigger();
    }
    void nextWord() { action("mnuFileNextWord")->trigger(); }

    void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier)
    {
        QTest::keyClick(window->windowHandle(), k, m);
    }
    // Letters as the child types them: lower case, no Shift.
    void type(const QString &letters)
    {
        for (QChar c : letters) {
            if (c.isLetter())
                key(Qt::Key(Qt::Key_A + (c.toUpper().unicode() - 'A')));
            else if (c.isDigit())
                key(Qt::Key(Qt::Key_0 + (c.unicode() - '0')));
        }
    }
    void answer() { find<QPushButton>(QStringLiteral("cmdSpelledCorrect"))->click(); }
    // A double-click as the mouse makes it, on the window where the
    // answer button stands.
    void doubleClickAnswer()
    {
        const QWidget *button = find(QStringLiteral("cmdSpelledCorrect"));
        QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {},
                           button->mapTo(window.get(), button->rect().center()));
    }
    bool nextWordShown() const { return !find(QStringLiteral("nextWordButton"))->isHidden(); }

    // The answer row as typed, and the word as shown, over their visible
    // slots.
    QString attempt() const { return visibleText(&PlayFixture::slot); }
    QString shownWord() const { return visibleText(&PlayFixture::prompt); }
    // The word in play, its hidden letters too.
    QString word() const
    {
        QString out;
        for (int i = 0; i < 14; ++i)
            out += prompt(i)->text();
        return out;
    }
    QList<int> dots() const
    {
        QList<int> out;
        for (int i = 0; i < 14; ++i)
            if (!dot(i)->isHidden())
                out.append(i);
        return out;
    }
    QStringList sounds() const { return fakes.player.names(folder.path()); }

    // Spells the word on screen right, r values of 0.99 hiding no letter.
    void spellRight(const QString &word)
    {
        fakes.random.values = std::deque<double>(14, 0.99);
        type(word);
        answer();
    }

private:
    QString visibleText(QLabel *(PlayFixture::*row)(int) const) const
    {
        QString out;
        for (int i = 0; i < 14; ++i)
            if (!(this->*row)(i)->isHidden())
                out += (this->*row)(i)->text();
        return out;
    }
};
