// SPDX-License-Identifier: GPL-3.0-or-later

#include "wordlist/listreader.h"

#include "wordlist/formats.h"

#include <QStringList>

namespace listreader {

const ListFormat &formatOf(const QByteArray &bytes)
{
    for (const ListFormat *format : Formats) {
        if (format->owns(bytes))
            return *format;
    }
    return RecordFormat;
}

ListContents read(const QByteArray &bytes, bool whole)
{
    return formatOf(bytes).read(bytes, whole);
}

ListContents read(const VocabFile &file)
{
    QByteArray bytes;
    // One byte past the limit tells a file longer than it.
    const bool ok = file.readBytes(bytes, ReadLimit + 1);
    const bool whole = ok && bytes.size() <= ReadLimit;
    return read(bytes.left(ReadLimit), whole);
}

QString patterns()
{
    QStringList all;
    for (const ListFormat *format : Formats)
        all.append(QLatin1String(format->patterns));
    return all.join(u' ');
}

} // namespace listreader
