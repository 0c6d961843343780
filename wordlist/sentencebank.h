// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// The sentences the game says with the grade words, as a teacher says a
// word in a spelling test: the word, a sentence that shows which word is
// meant, and the word again. Kept as text (data/sentences/sentences.txt):
// a line holds a word, a tab and its sentence, and may add a tab and how
// the voice is given the word alone, for a word it would otherwise say in
// another sense ("read" as in the sentence, not "red"); a line "=" with
// words names words said alike. Lines that start with # are comments.
class SentenceBank
{
public:
    struct Entry {
        QString sentence;
        // How the word is given to the voice when it is said alone; the
        // empty text when as written.
        QString spokenAs;
    };

    static SentenceBank fromText(const QString &text);
    // The bank in a file; an empty bank when it cannot be read.
    static SentenceBank load(const QString &path);

    // The entry of a word, compared in small letters; null when the bank
    // has none.
    const Entry *find(const QString &word) const;
    // The other words said like this one.
    QStringList soundsAlike(const QString &word) const;
    // A word said with its sentence at once: alone, it could be heard as
    // another word, or be said in another sense.
    bool needsSentence(const QString &word) const;
    // What the voice is given for a word, as a teacher says it: the word
    // alone (as its spoken form has it: "reed" for read); or, with its
    // sentence and whenever the word needs it, the word, the sentence and
    // the word again. The word as it is when the bank has no sentence for it.
    QStringList speechFor(const QString &word, bool withSentence) const;
    // Every word with a sentence, in small letters, in the bank's order.
    const QStringList &words() const { return m_words; }

private:
    QHash<QString, Entry> m_entries;
    QHash<QString, QStringList> m_alike;
    QStringList m_words;
};
