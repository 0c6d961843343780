// SPDX-License-Identifier: GPL-3.0-or-later

#include "practice/keytiles.h"

#include <algorithm>
#include <vector>

namespace keytiles {

std::array<QPoint, Keys.size()> places(const virtualkeys::LetterRows &rows)
{
    std::array<QPoint, Keys.size()> out;
    for (size_t i = 0; i < Keys.size(); ++i)
        out[i] = QPoint(Keys[i].left, Keys[i].top);

    // The written rows: the letter keys that share a top, in turn.
    std::array<std::vector<QPoint>, std::tuple_size_v<virtualkeys::LetterRows>> written;
    for (size_t i = FirstLetter, row = 0; i < Keys.size(); ++i) {
        if (i > FirstLetter && Keys[i].top != Keys[i - 1].top)
            ++row;
        if (row < written.size())
            written[row].push_back(out[i]);
    }

    // Each of the 26 letters once, and no row longer than the top row.
    const QString letters = rows[0] + rows[1] + rows[2];
    bool fits = letters.size() == 26;
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        fits = fits && letters.contains(QLatin1Char(letter));
    for (const QString &row : rows)
        fits = fits && row.size() <= qsizetype(written[0].size());
    if (!fits)
        return out;

    for (size_t row = 0; row < rows.size(); ++row) {
        const std::vector<QPoint> &lefts = rows[row].size() > qsizetype(written[row].size())
                                               ? written[0]
                                               : written[row];
        const int top = written[row].front().y();
        for (qsizetype k = 0; k < rows[row].size(); ++k) {
            const auto tile = std::find_if(
                Keys.begin() + FirstLetter, Keys.end(),
                [&](const KeyCap &cap) { return QLatin1Char(*cap.caption) == rows[row][k]; });
            out[size_t(tile - Keys.begin())] = QPoint(lefts[size_t(k)].x(), top);
        }
    }
    return out;
}

} // namespace keytiles
