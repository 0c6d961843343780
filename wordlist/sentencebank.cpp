// SPDX-License-Identifier: GPL-3.0-or-later

#include "wordlist/sentencebank.h"

#include "base/log.h"

#include <QFile>

namespace {

QString key(const QString &word)
{
    return word.trimmed().toLower();
}

} // namespace

SentenceBank SentenceBank::fromText(const QString &text)
{
    SentenceBank bank;
    for (const QString &line : text.split(u'\n')) {
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList fields = line.split(u'\t');
        if (fields.constFirst() == QLatin1String("=")) {
            const QStringList group = fields.mid(1);
            for (const QString &word : group) {
                QStringList others = group;
                others.removeAll(word);
                bank.m_alike.insert(key(word), others);
            }
            continue;
        }
        if (fields.size() < 2 || fields.at(0).isEmpty() || fields.at(1).isEmpty())
            continue;
        const QString word = key(fields.at(0));
        if (!bank.m_entries.contains(word))
            bank.m_words.append(word);
        bank.m_entries.insert(word, {fields.at(1).trimmed(), fields.value(2).trimmed()});
    }
    return bank;
}

SentenceBank SentenceBank::load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        noteOnce(lcLists(), path, QStringLiteral("not opened: ") + file.errorString());
        return {};
    }
    return fromText(QString::fromUtf8(file.readAll()));
}

const SentenceBank::Entry *SentenceBank::find(const QString &word) const
{
    const auto found = m_entries.constFind(key(word));
    return found == m_entries.cend() ? nullptr : &*found;
}

QStringList SentenceBank::soundsAlike(const QString &word) const
{
    return m_alike.value(key(word));
}

bool SentenceBank::needsSentence(const QString &word) const
{
    const Entry *entry = find(word);
    return entry && (m_alike.contains(key(word)) || !entry->spokenAs.isEmpty());
}

QStringList SentenceBank::speechFor(const QString &word, bool withSentence) const
{
    const Entry *entry = find(word);
    if (!entry)
        return {word};
    const QString alone = entry->spokenAs.isEmpty() ? word : entry->spokenAs;
    return withSentence || needsSentence(word) ? QStringList{alone, entry->sentence, alone}
                                               : QStringList{alone};
}
