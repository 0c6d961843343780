// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "wordlist/listformat.h"

// The formats a list file is read in, each in a unit of its own.
extern const ListFormat TextFormat;   // textformat.cpp: words a line, or apart by , ; and tabs
extern const ListFormat RecordFormat; // recordformat.cpp: the game's own fixed records

// In the order they are asked: the first that owns a file's bytes reads
// them; the game's own records take whatever no other format claims.
inline constexpr const ListFormat *Formats[] = {&TextFormat, &RecordFormat};
