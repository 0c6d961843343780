// SPDX-License-Identifier: GPL-3.0-or-later

// Word-list files come from anywhere through File > Open A List, so every
// byte string is a possible list. Checked for each input:
// - it opens, and reads to exactly one entry per whole 14-byte record;
// - each entry is at most 14 characters and writes back as the very bytes
//   it was read from (up to the first NUL, then spaces): loading a list and
//   saving its words again loses nothing;
// - read by the reader Open A List uses, bytes with a NUL, or of whole
//   records with no line end or list separator, give exactly the records'
//   entries; any other bytes are a text list, whose every entry is a word
//   a record holds whole: never a separator or a control character in it;
// - the same bytes taken as a word typed in by a parent (any UTF-16, lone
//   surrogates and controls included) are written as one whole record at
//   the record number asked for, leaving the file 14-byte aligned and
//   readable.

#include "memfile.h"
#include "wordlist/formats.h"
#include "wordlist/listreader.h"
#include "wordlist/vocabfile.h"

#include <QByteArray>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

void fail(const char *what)
{
    std::fprintf(stderr, "fuzz_vocabfile: %s\n", what);
    std::abort();
}

// What an entry read from `record` must write back as.
QByteArray expectedRecord(const char *record)
{
    const void *nul = std::memchr(record, 0, VocabFile::RecordLength);
    const int used = nul ? int(static_cast<const char *>(nul) - record) : VocabFile::RecordLength;
    QByteArray bytes(record, used);
    bytes.append(VocabFile::RecordLength - used, ' ');
    return bytes;
}

void checkReading(const MemFile &list, const uint8_t *data, size_t size)
{
    VocabFile file;
    if (!file.open(list.path(), VocabFile::Mode::ReadOnly))
        fail("a regular file did not open");
    const size_t records = std::min<size_t>(size / VocabFile::RecordLength, VocabFile::LastRecord);
    size_t n = 0;
    QStringList entries;
    // Open A List refuses a file whose records hold a control character
    // before their first NUL: a byte below a space, DEL, or one of the five
    // that Windows-1252 leaves unassigned. A file of spaces and NULs holds no
    // words.
    bool control = false, word = false;
    for (size_t i = 0; i < records * VocabFile::RecordLength; ++i) {
        const uint8_t b = data[i];
        if (b == 0) {
            i = (i / VocabFile::RecordLength + 1) * VocabFile::RecordLength - 1;
            continue;
        }
        control = control || b < 0x20 || b == 0x7f || b == 0x81 || b == 0x8d || b == 0x8f
                  || b == 0x90 || b == 0x9d;
        word = word || b != ' ';
    }
    const bool ok = file.readEntries([&](const QString &entry) {
        entries.append(entry);
        if (n >= records)
            fail("more entries than whole records");
        if (entry.size() > VocabFile::RecordLength)
            fail("an entry longer than a record");
        const char *record = reinterpret_cast<const char *>(data) + n * VocabFile::RecordLength;
        if (VocabFile::encodeRecord(entry) != expectedRecord(record))
            fail("an entry does not write back as the bytes it was read from");
        ++n;
    });
    if (!ok)
        fail("reading a regular file failed");
    if (n != records)
        fail("fewer entries than whole records");
    const VocabFile::Content judged = control ? VocabFile::Content::NotWords
                                      : word  ? VocabFile::Content::Words
                                              : VocabFile::Content::NoWords;
    if (VocabFile::judge(entries) != judged)
        fail("a file judged otherwise than its bytes say");
}

void checkReader(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const ListContents list = listreader::read(bytes);
    const bool separator = bytes.contains('\n') || bytes.contains('\r') || bytes.contains(',')
                           || bytes.contains(';') || bytes.contains('\t');
    const bool records = bytes.contains('\0')
                         || (size % VocabFile::RecordLength == 0 && !separator);
    if (records != (list.format == &RecordFormat))
        fail("a file read as the other format");
    if (records) {
        if (list.entries
            != VocabFile::entriesOf(
                bytes.left(qsizetype(VocabFile::LastRecord) * VocabFile::RecordLength)))
            fail("records read otherwise than VocabFile reads them");
        return;
    }
    if (list.content == VocabFile::Content::Words && list.entries.isEmpty())
        fail("a text list of words without an entry");
    for (const QString &entry : list.entries) {
        if (VocabFile::fit(entry) != VocabFile::Fit::Fits || entry != entry.trimmed()
            || entry.isEmpty())
            fail("a text list entry a record does not hold whole");
        for (const char separator : {',', ';', '\t', '\n', '\r'})
            if (entry.contains(QLatin1Char(separator)))
                fail("a separator played as a letter");
    }
}

void checkWriting(const MemFile &out, const uint8_t *data, size_t size)
{
    if (size < 1)
        return;
    // The first byte picks the record; the rest is the word.
    const int n = 1 + data[0] % 40;
    const QString word = QString::fromUtf16(reinterpret_cast<const char16_t *>(data + 1),
                                            qsizetype((size - 1) / 2));
    const QByteArray record = VocabFile::encodeRecord(word);
    if (record.size() != VocabFile::RecordLength)
        fail("a word did not encode to one record");

    out.fill(nullptr, 0);
    VocabFile file;
    if (!file.open(out.path(), VocabFile::Mode::ReadWrite))
        fail("the output file did not open");
    if (!file.writeRecord(n, word))
        fail("writing a word failed");
    if (out.size() != off_t(n) * VocabFile::RecordLength)
        fail("the written file is not whole records up to the one written");
    const QStringList entries = file.readEntries();
    if (entries.size() != n)
        fail("the written file does not read back one entry per record");
    for (int i = 0; i + 1 < n; ++i)
        if (!entries.at(i).isEmpty())
            fail("a record never written is not blank");
    if (VocabFile::encodeRecord(entries.last()) != expectedRecord(record.constData()))
        fail("the word written does not read back as written");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const MemFile list("fuzz-list");
    static const MemFile out("fuzz-out");
    list.fill(data, size);
    checkReading(list, data, size);
    checkReader(data, size);
    checkWriting(out, data, size);
    return 0;
}
