// SPDX-License-Identifier: GPL-3.0-or-later

// The game's own list files: fixed records, one word each.

#include "wordlist/formats.h"

namespace {

ListContents readRecords(const QByteArray &bytes, bool)
{
    ListContents list;
    list.format = &RecordFormat;
    list.entries = VocabFile::entriesOf(
        bytes.left(qsizetype(VocabFile::LastRecord) * VocabFile::RecordLength));
    list.content = VocabFile::judge(list.entries);
    return list;
}

} // namespace

const ListFormat RecordFormat = {
    "*.dat",
    nullptr,
    [](const QByteArray &) { return true; },
    readRecords,
};
