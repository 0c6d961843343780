// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "spelling/spellcheck.h"

#include <QObject>
#include <QThread>

#include <memory>

class Dictionaries;

// The dictionaries on a thread of their own, so that reading one never
// holds up a window: questions are answered in the order asked, each answer
// handed back to the asking thread by a queued call.
class BackgroundSpelling final : public QObject, public SpellCheck
{
    Q_OBJECT

public:
    // The dictionaries are found and read on the thread, when first asked
    // for (see Dictionaries for the arguments).
    BackgroundSpelling(QStringList folders, QString desktopLocale, QObject *parent = nullptr);
    // Waits for a question being answered to end; those not yet begun are
    // dropped.
    ~BackgroundSpelling() override;

    void languageOf(const QStringList &entries, QObject *context,
                    std::function<void(const QString &)> answer) override;
    void unknownWords(const QString &language, const QStringList &words, QObject *context,
                      std::function<void(const QStringList &)> answer) override;
    void suggestions(const QString &language, const QString &word, QObject *context,
                     std::function<void(const QStringList &)> answer) override;

private:
    template<typename Result>
    void ask(QObject *context, std::function<Result(Dictionaries &)> work,
             std::function<void(const Result &)> answer);

    const QStringList m_folders;
    const QString m_desktopLocale;
    QThread m_thread;
    // Lives on the thread; its queued calls are the questions.
    QObject *m_worker = nullptr;
    // Made, used and dropped on the thread.
    std::unique_ptr<Dictionaries> m_dictionaries;
};
