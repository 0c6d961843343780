// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Generated words for the benchmarks' list files: the same words on every
// run.

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

} // namespace benchdata
