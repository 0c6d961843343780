// SPDX-License-Identifier: GPL-3.0-or-later

#include "wordlist/textlist.h"

#include "base/codepage.h"

#include <QRegularExpression>
#include <QStringDecoder>

#include <algorithm>

namespace textlist {
namespace {

// Stateless: a sequence cut off at the end is an error, not a character
// left pending for more bytes that never come.
bool readsAsUtf8(const QByteArray &bytes, QString *text = nullptr)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8(bytes);
    if (text)
        *text = decoded;
    return !utf8.hasError();
}

// No UTF-8 sequence holds a line feed byte, so the bytes are UTF-8 exactly
// when each line of them is.
int firstLineNotUtf8(const QByteArray &bytes)
{
    int line = 1;
    for (const QByteArray &piece : bytes.split('\n')) {
        if (!readsAsUtf8(piece))
            return line;
        ++line;
    }
    return line;
}

} // namespace

Decoded decode(const QByteArray &bytes)
{
    Decoded decoded;
    if (readsAsUtf8(bytes, &decoded.text))
        return decoded;
    // A byte-order mark says the text is meant as UTF-8: read otherwise, it
    // would be three letters of junk in front of the first word.
    const bool markedUtf8 = bytes.startsWith("\xEF\xBB\xBF");
    if (!markedUtf8 && std::all_of(bytes.begin(), bytes.end(), [](char b) {
            return codepage::definesByte(static_cast<unsigned char>(b));
        })) {
        decoded.text = codepage::toUnicode(bytes);
        decoded.encoding = Encoding::Windows1252;
        return decoded;
    }
    decoded.text.clear();
    decoded.badLine = firstLineNotUtf8(bytes);
    return decoded;
}

QStringList split(const QString &text)
{
    static const QRegularExpression separators(
        QStringLiteral("[%1\\t,;]").arg(QLatin1String(LineEnds)));
    QStringList words;
    for (const QString &piece : text.split(separators)) {
        const QString word = piece.trimmed();
        if (!word.isEmpty())
            words.append(word);
    }
    return words;
}

QList<Word> words(const QString &text)
{
    QList<Word> words;
    const QStringList lines = text.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines.at(i).trimmed().startsWith(u'#'))
            continue;
        for (const QString &word : split(lines.at(i)))
            words.append({word, int(i + 1)});
    }
    return words;
}

} // namespace textlist
