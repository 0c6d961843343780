// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Generated word-list files for the benchmarks: the same words on every run,
// written straight as bytes (the editor's writer syncs each record to disk,
// which would take minutes for a long list).

#include "wordlist/vocabfile.h"

#include <QFile>
#include <QString>
#include <QStringList>

#include <cstdint>

namespace benchdata {

// Words of 3 to 14 letters, mostly plain lower case, now and then with a
// letter from the upper half of the code page, as a French or Spanish word
// would have; every 97th record is blank.
inline QStringList words(int count)
{
    static const char16_t Accented[] = u"\u00e9\u00e8\u00f1\u00fc\u00e7\u00e0\u00f6";
    std::uint32_t state = 0x2545f491u;
    auto next = [&state] {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    };
    QStringList out;
    out.reserve(count);
    for (int i = 0; i < count; ++i) {
        if (i % 97 == 96) {
            out.append(QString());
            continue;
        }
        const int length = 3 + int(next() % 12);
        QString word;
        for (int j = 0; j < length; ++j) {
            const std::uint32_t r = next();
            word += r % 40 == 0 ? QChar(Accented[r / 40 % 7]) : QChar(u'a' + char16_t(r % 26));
        }
        out.append(word);
    }
    return out;
}

// The file's bytes: each word padded to a record, blank words as NULs.
inline bool writeList(const QString &path, const QStringList &list)
{
    QByteArray bytes;
    bytes.reserve(list.size() * VocabFile::RecordLength);
    for (const QString &word : list)
        bytes += word.isEmpty() ? QByteArray(VocabFile::RecordLength, '\0')
                                : VocabFile::encodeRecord(word);
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

} // namespace benchdata
