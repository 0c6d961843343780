// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A store held in memory, for the windows that read a child's progress:
// the test writes each child's history as the store would answer it, and
// reads back what was kept and which files were saved.

#include "progress/progress.h"

#include <QHash>

#include <algorithm>

class MemoryStore final : public progress::Store
{
public:
    // What the store answers for one child.
    struct History {
        QList<progress::TestResult> tests;
        QList<progress::Missed> missed; // most often first
        QStringList mastered;
        QStringList hardest; // hardest first
    };

    void open() override {}
    QString trouble() const override { return troubleText; }

    QList<progress::Child> children() override { return named; }
    std::optional<qint64> addChild(const QString &name) override
    {
        const qint64 id = named.isEmpty() ? 1 : named.last().id + 1;
        named.append({id, name});
        return id;
    }
    bool renameChild(qint64 id, const QString &name) override
    {
        for (progress::Child &child : named)
            if (child.id == id)
                child.name = name;
        return true;
    }
    bool deleteChild(qint64 id) override
    {
        named.removeIf([id](const progress::Child &child) { return child.id == id; });
        return histories.remove(id) > 0;
    }
    void choose(qint64 child) override { current = child; }
    qint64 chosen() const override { return current; }

    void record(const progress::Answer &answer) override { answers.append(answer); }
    qint64 startTest(const QString &list, const QStringList &words) override
    {
        histories[current].tests.append(
            {++lastTest, QDateTime::currentDateTime(), list, 0, 0, int(words.size()), false});
        return lastTest;
    }
    void finishTest(qint64 test) override
    {
        for (progress::TestResult &result : histories[current].tests)
            if (result.id == test)
                result.finished = true;
    }
    void keepPlace(const progress::Place &place) override { where = place; }
    std::optional<progress::Place> place() override { return where; }

    QList<progress::TestResult> tests(qint64 child) override
    {
        return histories.value(child).tests;
    }
    QList<progress::Missed> oftenMissed(qint64 child, int most) override
    {
        return histories.value(child).missed.first(
            std::min<qsizetype>(most, histories.value(child).missed.size()));
    }
    QStringList mastered(qint64 child) override { return histories.value(child).mastered; }
    QStringList hardest(qint64 child, int most) override
    {
        return histories.value(child).hardest.first(
            std::min<qsizetype>(most, histories.value(child).hardest.size()));
    }
    bool saveCsv(qint64 child, const QString &path) override
    {
        saved.append(QStringLiteral("%1 to %2").arg(child).arg(path));
        return savesWork;
    }

    QList<progress::Child> named;
    QHash<qint64, History> histories;
    qint64 current = 0;
    QList<progress::Answer> answers;
    std::optional<progress::Place> where;
    // Each CSV asked for, as "CHILD to PATH"; whether the files are made.
    QStringList saved;
    bool savesWork = true;
    // Why nothing is kept, as the store would say it.
    QString troubleText;

private:
    qint64 lastTest = 0;
};
