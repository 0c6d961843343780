// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/wordrefusal.h"

#include "wordlist/textlist.h"
#include "wordlist/vocabfile.h"

#include <QCoreApplication>
#include <QSet>

namespace wordrefusal {
namespace {

QString tr(const char *text, const char *disambiguation = nullptr, int n = -1)
{
    return QCoreApplication::translate("wordrefusal", text, disambiguation, n);
}

// A character the parent cannot see is named by its code.
QString visible(const QString &character)
{
    if (character.size() == 1 && !character.at(0).isPrint())
        return QStringLiteral("U+%1")
            .arg(character.at(0).unicode(), 4, 16, QLatin1Char('0'))
            .toUpper();
    return character;
}

} // namespace

QString why(const QString &word)
{
    switch (VocabFile::fit(word)) {
    case VocabFile::Fit::Fits:
        return {};
    case VocabFile::Fit::BadCharacter:
        return tr("\"%1\" holds \"%2\", a character a word list cannot store.")
            .arg(word, visible(VocabFile::unstorable(word)));
    case VocabFile::Fit::TooLong:
        break;
    }
    return tr("\"%1\" is %n letters long; a word in a list can have at most 14.", nullptr,
              VocabFile::storedLength(word))
        .arg(word);
}

Sorted sort(const QString &text, const QStringList *alreadyIn)
{
    Sorted sorted;
    QSet<QString> seen;
    if (alreadyIn) {
        for (const QString &word : *alreadyIn)
            seen.insert(VocabFile::shownAs(word));
    }
    for (const QString &word : textlist::split(text)) {
        QString reason = why(word);
        if (reason.isEmpty() && alreadyIn && seen.contains(VocabFile::shownAs(word)))
            reason = tr("\"%1\" is in your list already.").arg(word);
        if (!reason.isEmpty()) {
            sorted.refused.append(word);
            sorted.why.append(reason);
            continue;
        }
        seen.insert(VocabFile::shownAs(word));
        sorted.kept.append(word);
    }
    return sorted;
}

} // namespace wordrefusal
