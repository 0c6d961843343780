// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// A word list kept as text: a file saved from an e-mail or a spreadsheet
// column, or words pasted into a box. These are its rules, how its bytes
// are read and how its text falls into words; the list tool, the reader of
// list files and the boxes that take a pasted list all follow them.
namespace textlist {

// What a text's bytes were read as.
enum class Encoding { Utf8, Windows1252 };

struct Decoded {
    QString text;
    Encoding encoding = Encoding::Utf8;
    // When the bytes are neither UTF-8 nor Windows-1252: the line, from 1,
    // of the first byte that is not UTF-8, and no text. 0 when read.
    int badLine = 0;
    bool ok() const { return badLine == 0; }
};

// Bytes that are UTF-8 are read as UTF-8, a byte-order mark dropped; bytes
// that are not but are all characters of Windows-1252 (an older editor's
// file, Latin-1 text) are read as Windows-1252; anything else is not read
// at all. Never part of a text: a word is never cut short where a byte
// makes no sense.
Decoded decode(const QByteArray &bytes);

// The characters that end a line, as the inside of a regular-expression
// class: line feed, carriage return, vertical tab, form feed, and the
// Unicode line and paragraph separators a word processor may put on the
// clipboard.
inline constexpr char LineEnds[] = "\\r\\n\\v\\f\\x{2028}\\x{2029}";

// The words of a text in their order, each trimmed, blank pieces left out:
// line ends, tabs, commas and semicolons separate words; a space does not
// ("ice cream"). A text with no separator is one word.
QStringList split(const QString &text);

struct Word {
    QString text;
    int line; // from 1
};

// The words of a list's text with the line each stands on: lines end at a
// line feed (so CR LF and LF files number alike), a line whose first
// character other than a blank is # is a comment, and each line is split
// as above.
QList<Word> words(const QString &text);

} // namespace textlist
