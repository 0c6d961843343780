// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

// A list pasted into a one-line box (from an e-mail, a document or a
// spreadsheet column) falls into words as a text list does
// (textlist::split).
namespace pastedwords {

// A one-line text box holds no line break and no tab: each run of them,
// with the blanks around it, becomes ", ", which keeps the words apart. At
// either end of the text such a run is dropped.
QString onOneLine(const QString &text);

// Words put back into a text box, apart and ready to be split again.
QString join(const QStringList &words);

} // namespace pastedwords
