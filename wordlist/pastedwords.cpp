// SPDX-License-Identifier: GPL-3.0-or-later

#include "wordlist/pastedwords.h"

#include "wordlist/textlist.h"

#include <QRegularExpression>

namespace pastedwords {
namespace {

const QString Separator = QStringLiteral(", ");

} // namespace

QString onOneLine(const QString &text)
{
    // A line end or a tab, with the blanks around it.
    static const QString run =
        QStringLiteral("\\s*[%1\\t]\\s*").arg(QLatin1String(textlist::LineEnds));
    static const QRegularExpression breaks(run);
    static const QRegularExpression atEnds(QStringLiteral("^%1|%1$").arg(run));
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
