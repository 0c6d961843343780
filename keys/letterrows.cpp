// SPDX-License-Identifier: GPL-3.0-or-later

#include "keys/letterrows.h"

#include <xkbcommon/xkbcommon.h>

namespace virtualkeys {
namespace {

// The keys of each row by their names in the keymap, left to right: the
// widest any keyboard has them, so that a layout's letter on the last key
// of a row is seen.
constexpr const char *TopRow[] = {"AD01", "AD02", "AD03", "AD04", "AD05", "AD06",
                                  "AD07", "AD08", "AD09", "AD10", "AD11", "AD12"};
constexpr const char *MiddleRow[] = {"AC01", "AC02", "AC03", "AC04", "AC05", "AC06",
                                     "AC07", "AC08", "AC09", "AC10", "AC11"};
constexpr const char *BottomRow[] = {"AB01", "AB02", "AB03", "AB04", "AB05",
                                     "AB06", "AB07", "AB08", "AB09", "AB10"};

// The letter A to Z a key gives at its first level, or 0.
char letterOf(xkb_keymap *keymap, const char *keyName, xkb_layout_index_t layout)
{
    const xkb_keycode_t key = xkb_keymap_key_by_name(keymap, keyName);
    if (key == XKB_KEYCODE_INVALID)
        return 0;
    const xkb_keysym_t *syms = nullptr;
    if (xkb_keymap_key_get_syms_by_level(keymap, key, layout, 0, &syms) != 1)
        return 0;
    // The keysyms of A to Z are their ASCII codes.
    const xkb_keysym_t capital = xkb_keysym_to_upper(syms[0]);
    return capital >= XKB_KEY_A && capital <= XKB_KEY_Z ? char(capital) : '\0';
}

} // namespace

LetterRows letterRows(xkb_keymap *keymap, std::uint32_t layout)
{
    LetterRows rows;
    QString seen;
    auto read = [&](QString &row, const auto &keyNames) {
        for (const char *name : keyNames) {
            const char letter = letterOf(keymap, name, layout);
            if (letter && !seen.contains(QLatin1Char(letter))) {
                row.append(QLatin1Char(letter));
                seen.append(QLatin1Char(letter));
            }
        }
    };
    read(rows[0], TopRow);
    read(rows[1], MiddleRow);
    read(rows[2], BottomRow);
    return rows;
}

} // namespace virtualkeys
