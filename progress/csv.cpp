// SPDX-License-Identifier: GPL-3.0-or-later

#include "progress/csv.h"

namespace progress::csv {

QByteArray line(const QStringList &fields)
{
    QByteArray out;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += ',';
        QByteArray field = fields.at(i).toUtf8();
        if (field.contains(',') || field.contains('"') || field.contains('\n')
            || field.contains('\r')) {
            field.replace("\"", "\"\"");
            field = '"' + field + '"';
        }
        out += field;
    }
    return out + "\r\n";
}

} // namespace progress::csv
