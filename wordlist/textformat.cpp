// SPDX-License-Identifier: GPL-3.0-or-later

// A list kept as text: a word a line, or words apart by commas, semicolons
// or tabs, as the list tool and the boxes that take a pasted list read it.

#include "wordlist/formats.h"

#include "base/codepage.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

// Plainly text, never records: no NUL byte, and a line end or a list
// separator (comma, semicolon, tab) somewhere or a length that is not a
// whole number of records. A record file never holds a separator: the
// editor and the list tool split words at them.
bool ownsText(const QByteArray &bytes)
{
    if (bytes.contains('\0'))
        return false;
    return bytes.size() % VocabFile::RecordLength != 0
           || std::any_of(bytes.begin(), bytes.end(), [](char b) {
                  return b == '\n' || b == '\r' || b == ',' || b == ';' || b == '\t';
              });
}

ListContents readText(const QByteArray &all, bool whole)
{
    ListContents list;
    list.format = &TextFormat;
    // The text after the last line end may stop in the middle of a word.
    const QByteArray bytes = whole ? all : all.left(all.lastIndexOf('\n') + 1);
    const textlist::Decoded decoded = textlist::decode(bytes);
    list.encoding = decoded.encoding;
    if (!decoded.ok()) {
        list.content = VocabFile::Content::NotWords;
        return list;
    }
    QStringList words;
    for (const textlist::Word &word : textlist::words(decoded.text))
        words.append(word.text);
    if (VocabFile::judge(words) == VocabFile::Content::NotWords) {
        list.content = VocabFile::Content::NotWords;
        return list;
    }
    for (const QString &word : words) {
        // As a record holds it: an invisible character the code page leaves
        // out would otherwise take a letter slot no key fills. One of those
        // alone is no word.
        const QString held = codepage::toUnicode(codepage::fromUnicode(word)).trimmed();
        if (held.isEmpty())
            continue;
        if (VocabFile::fit(word) != VocabFile::Fit::Fits
            || list.entries.size() == VocabFile::LastRecord)
            ++list.leftOut;
        else
            list.entries.append(held);
    }
    list.content = list.entries.isEmpty() ? VocabFile::Content::NoWords : VocabFile::Content::Words;
    return list;
}

} // namespace

const ListFormat TextFormat = {
    "*.txt",
    QT_TRANSLATE_N_NOOP("ListFormat", "\"%1\" was read as a text list of %n word(s)."),
    ownsText,
    readText,
};
