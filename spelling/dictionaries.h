// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <map>
#include <memory>

class HunspellDictionary;

namespace spelling {

// Where a word stands in a text: the runs of letters a dictionary is asked
// about, an apostrophe or hyphen inside one kept ("don't", "ice-cream").
// Digits, spaces and punctuation are no word: "ice cream, word10" is "ice",
// "cream" and "word".
struct Span {
    qsizetype start;
    qsizetype length;
};
QList<Span> wordsIn(const QString &text);

// At most this many spellings are offered for a word.
inline constexpr int MostSuggestions = 5;

} // namespace spelling

// The Hunspell dictionaries installed, one for each language, each read the
// first time it is asked for and kept. Reading one takes a while (a good
// fraction of a second for German): a window asks through BackgroundSpelling,
// which keeps its own on a thread of its own. Used by one thread.
class Dictionaries
{
public:
    // Where hunspell itself looks: each folder of DICPATH, then the
    // system's (/usr/share/hunspell).
    static QStringList standardFolders();

    // The dictionaries in the folders (a name in an earlier folder hides the
    // same name in a later one), each language's chosen by the region of
    // `desktopLocale` ("en_GB") where it has one; desktopLocale also gives
    // the desktop's language for the finder.
    explicit Dictionaries(const QStringList &folders, const QString &desktopLocale);
    ~Dictionaries();
    Dictionaries(const Dictionaries &) = delete;
    Dictionaries &operator=(const Dictionaries &) = delete;

    // The languages with a dictionary, as "en", "fr", "nb", sorted.
    QStringList languages() const;
    // The file name of the language's dictionary, as "en_US"; empty for none.
    QString dictionaryName(const QString &language) const;

    // The words (each one word, as wordsIn finds them) that the language's
    // dictionary knows neither as written nor in small letters; none where
    // the language has no dictionary that can be read.
    QStringList unknown(const QString &language, const QStringList &words);
    // Up to MostSuggestions spellings for the word; none without a
    // dictionary.
    QStringList suggestions(const QString &language, const QString &word);

    // The language of a list: the one whose dictionary knows most of its
    // words (an entry of several words counts when it knows them all),
    // judged on its first Sample entries that hold a word. Only languages
    // with a dictionary take part. A tie goes to the desktop's language,
    // then English, then the first in alphabetical order; with no
    // dictionary at all, the desktop's language.
    QString languageOf(const QStringList &entries);
    static constexpr int Sample = 40;

private:
    HunspellDictionary *dictionary(const QString &language);

    struct Found {
        QString aff, dic, name;
    };
    QHash<QString, Found> m_found;
    QString m_desktopLanguage;
    // Each dictionary read, or none where it could not be.
    std::map<QString, std::unique_ptr<HunspellDictionary>> m_read;
};
