// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

// Word-list files keep one byte per character in Windows-1252. The
// conversion goes through ICU; a character the code page lacks is written
// as "?" (one "?" for a whole surrogate pair), and an invisible formatting
// character (a zero-width space, a direction mark) is left out.
namespace codepage {

QString toUnicode(const char *bytes, qsizetype length);
inline QString toUnicode(const QByteArray &bytes)
{
    return toUnicode(bytes.constData(), bytes.size());
}
QByteArray fromUnicode(const QString &text);

// Whether the text is stored as written: every character has a byte of its
// own, or is an invisible one the conversion leaves out. Nothing becomes "?".
bool canWrite(const QString &text);

// The character a single byte stands for (0x80 is the euro sign, and so on).
QChar charForByte(unsigned char byte);

// Whether the code page gives the byte a character of its own. The five it
// leaves unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D) read as the control
// character of the same number, which no text holds.
bool definesByte(unsigned char byte);

// Whether the code page writes every letter of a language's alphabet (the
// letters the language's everyday words are made of, as the Unicode
// locale data lists them): "fr" and "de" yes, "pl" and "tr" no. A
// language the data does not know is not written.
bool writesLanguage(const QString &code);

} // namespace codepage
