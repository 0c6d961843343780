// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

// A list arrives as one text (pasted from an e-mail, a document or a
// spreadsheet column, or read from a file): words separated by line breaks,
// tabs, commas or semicolons. Spaces inside a word stay ("ice cream").
namespace pastedwords {

// The words of a text in their order, each trimmed; blank pieces are left
// out. A text with no separator is one word.
QStringList split(const QString &text);

// A one-line text box holds no line break and no tab: each run of them,
// with the blanks around it, becomes ", ", which keeps the words apart. At
// either end of the text such a run is dropped.
QString onOneLine(const QString &text);

// Words put back into a text box, apart and ready to be split again.
QString join(const QStringList &words);

} // namespace pastedwords
