// SPDX-License-Identifier: GPL-3.0-or-later

#include "wordlist/pastedwords.h"

#include <QRegularExpression>

namespace pastedwords {
namespace {

const QString Separator = QStringLiteral(", ");

} // namespace

QStringList split(const QString &text)
{
    // Line breaks of every kind: CR LF, LF, CR, and the Unicode line and
    // paragraph separators a word processor may put on the clipboard.
    static const QRegularExpression separators(
        QStringLiteral("[\\r\\n\\t\\v\\f,;\\x{2028}\\x{2029}]"));
    QStringList words;
    for (const QString &piece : text.split(separators)) {
        const QString word = piece.trimmed();
        if (!word.isEmpty())
            words.append(word);
    }
    return words;
}

QString onOneLine(const QString &text)
{
    static const QRegularExpression breaks(
        QStringLiteral("\\s*[\\r\\n\\t\\v\\f\\x{2028}\\x{2029}]\\s*"));
    static const QRegularExpression atEnds(
        QStringLiteral("^\\s*[\\r\\n\\t\\v\\f\\x{2028}\\x{2029}]\\s*|"
                       "\\s*[\\r\\n\\t\\v\\f\\x{2028}\\x{2029}]\\s*$"));
    QString flat = text;
    flat.remove(atEnds);
    flat.replace(breaks, Separator);
    return flat;
}

QString join(const QStringList &words)
{
    return words.join(Separator);
}

} // namespace pastedwords
