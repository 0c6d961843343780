// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The list editor built with fakes and shown offscreen, writing its list
// files into a program folder of the test's choosing.

#include "editor/frmcreatelist.h"
#include "fakes.h"
#include "lookup.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <memory>

struct EditorFixture {
    FakeServices fakes;
    std::unique_ptr<frmCreateList> editor;

    explicit EditorFixture(const QString &programFolder)
        : fakes(programFolder)
    {
        editor = std::make_unique<frmCreateList>(fakes.services);
        editor->show();
        editor->activateWindow();
        // Typed keys go to the active window's focus widget.
        if (!QTest::qWaitForWindowActive(editor.get()))
            qFatal("the list editor did not become active");
    }

    template<typename T = QPushButton>
    T *find(const QString &name) const
    {
        return child<T>(editor.get(), name);
    }
    QListWidget *list() const { return find<QListWidget>(QStringLiteral("lstNewVocab")); }
    QLineEdit *box(const QString &name) const { return find<QLineEdit>(name); }

    // Each word put in the new-word box and entered.
    void enter(const QStringList &words)
    {
        for (const QString &word : words) {
            box(QStringLiteral("txtNewWord"))->setText(word);
            find(QStringLiteral("cmdEnter"))->click();
        }
    }
    // Make File, the save dialog answered with this path.
    void makeFile(const QString &path)
    {
        fakes.dialogs.nextSave.push_back(path);
        find(QStringLiteral("cmdMakeFile"))->click();
    }
    // Add To File with the list's first word picked.
    void addFirstWord()
    {
        list()->setCurrentRow(0);
        find(QStringLiteral("cmdAddToFile"))->click();
    }
};
