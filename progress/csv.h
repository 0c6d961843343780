// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QStringList>

namespace progress::csv {

// One line of a CSV file as RFC 4180 writes it, in UTF-8 and ending in
// CR LF: a field holding a comma, a double quote or a line end is quoted,
// its quotes doubled; any other field is written as it is.
QByteArray line(const QStringList &fields);

} // namespace progress::csv
