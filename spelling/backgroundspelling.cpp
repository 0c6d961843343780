// SPDX-License-Identifier: GPL-3.0-or-later

#include "spelling/backgroundspelling.h"

#include "spelling/dictionaries.h"

#include <QPointer>

#include <utility>

BackgroundSpelling::BackgroundSpelling(QStringList folders, QString desktopLocale, QObject *parent)
    : QObject(parent)
    , m_folders(std::move(folders))
    , m_desktopLocale(std::move(desktopLocale))
{
    m_thread.setObjectName(QStringLiteral("spelling"));
    m_worker = new QObject;
    m_worker->moveToThread(&m_thread);
    // The dictionaries go with the thread that used them.
    connect(&m_thread, &QThread::finished, m_worker, [this] { m_dictionaries.reset(); });
    connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread.start(QThread::LowPriority);
}

BackgroundSpelling::~BackgroundSpelling()
{
    m_thread.quit();
    m_thread.wait();
}

template<typename Result>
void BackgroundSpelling::ask(QObject *context, std::function<Result(Dictionaries &)> work,
                             std::function<void(const Result &)> answer)
{
    QMetaObject::invokeMethod(
        m_worker,
        [this, guard = QPointer<QObject>(context), work = std::move(work),
         answer = std::move(answer)]() mutable {
            if (!m_dictionaries)
                m_dictionaries = std::make_unique<Dictionaries>(m_folders, m_desktopLocale);
            Result result = work(*m_dictionaries);
            // Back on the asking side, where the context is looked at.
            QMetaObject::invokeMethod(
                this,
                [guard = std::move(guard), answer = std::move(answer), result = std::move(result)] {
                    if (guard)
                        answer(result);
                },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

void BackgroundSpelling::languageOf(const QStringList &entries, QObject *context,
                                    std::function<void(const QString &)> answer)
{
    ask<QString>(
        context, [entries](Dictionaries &d) { return d.languageOf(entries); }, std::move(answer));
}

void BackgroundSpelling::unknownWords(const QString &language, const QStringList &words,
                                      QObject *context,
                                      std::function<void(const QStringList &)> answer)
{
    ask<QStringList>(
        context, [language, words](Dictionaries &d) { return d.unknown(language, words); },
        std::move(answer));
}

void BackgroundSpelling::suggestions(const QString &language, const QString &word, QObject *context,
                                     std::function<void(const QStringList &)> answer)
{
    ask<QStringList>(
        context, [language, word](Dictionaries &d) { return d.suggestions(language, word); },
        std::move(answer));
}
