// SPDX-License-Identifier: GPL-3.0-or-later

#include "wordlist/listreader.h"

#include "base/codepage.h"

#include <algorithm>

namespace listreader {
namespace {

ListContents readRecords(const QByteArray &bytes)
{
    ListContents list;
    list.entries = VocabFile::entriesOf(bytes.left(qsizetype(VocabFile::LastRecord) * VocabFile::RecordLength));
    list.content = VocabFile::judge(list.entries);
    return list;
}

ListContents readText(const QByteArray &bytes)
{
    ListContents list;
    list.format = ListContents::Format::Text;
    const textlist::Decoded decoded = textlist::decode(bytes);
    list.encoding = decoded.encoding;
    if (!decoded.ok()) {
        list.content = VocabFile::Content::NotWords;
        return list;
    }
    QStringList words;
    for (const textlist::Word &word : textlist::words(decoded.text))
        words.append(word.text);
    if (VocabFile::judge(words) == VocabFile::Content::NotWords) {
        list.content = VocabFile::Content::NotWords;
        return list;
    }
    for (const QString &word : words) {
        // As a record holds it: an invisible character the code page leaves
        // out would otherwise take a letter slot no key fills. One of those
        // alone is no word.
        const QString held = codepage::toUnicode(codepage::fromUnicode(word)).trimmed();
        if (held.isEmpty())
            continue;
        if (VocabFile::fit(word) != VocabFile::Fit::Fits || list.entries.size() == VocabFile::LastRecord)
            ++list.leftOut;
        else
            list.entries.append(held);
    }
    list.content = list.entries.isEmpty() ? VocabFile::Content::NoWords : VocabFile::Content::Words;
    return list;
}

} // namespace

bool isText(const QByteArray &bytes)
{
    if (bytes.contains('\0'))
        return false;
    return bytes.size() % VocabFile::RecordLength != 0
           || std::any_of(bytes.begin(), bytes.end(), [](char b) {
                  return b == '\n' || b == '\r' || b == ',' || b == ';' || b == '\t';
              });
}

ListContents read(const QByteArray &bytes, bool whole)
{
    if (!isText(bytes))
        return readRecords(bytes);
    // The text after the last line end may stop in the middle of a word.
    return readText(whole ? bytes : bytes.left(bytes.lastIndexOf('\n') + 1));
}

ListContents read(const VocabFile &file)
{
    QByteArray bytes;
    // One byte past the limit tells a file longer than it.
    const bool ok = file.readBytes(bytes, ReadLimit + 1);
    const bool whole = ok && bytes.size() <= ReadLimit;
    return read(bytes.left(ReadLimit), whole);
}

} // namespace listreader
