// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

// What a window asks of the spelling dictionaries. Reading a dictionary
// takes a while, so every answer comes later, on the windows' thread,
// through `answer`, and only while `context` lives. A test hands in answers of its
// own choosing.
class SpellCheck
{
public:
    virtual ~SpellCheck() = default;
    // The language of a list's words (Dictionaries::languageOf).
    virtual void languageOf(const QStringList &entries, QObject *context,
                            std::function<void(const QString &language)> answer) = 0;
    // Of the words (each one word), those the language's dictionary does not
    // know; none where the language has no dictionary.
    virtual void unknownWords(const QString &language, const QStringList &words, QObject *context,
                              std::function<void(const QStringList &unknown)> answer) = 0;
    // Up to five spellings the language's dictionary offers for the word.
    virtual void suggestions(const QString &language, const QString &word, QObject *context,
                             std::function<void(const QStringList &offered)> answer) = 0;
};
