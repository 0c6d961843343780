// SPDX-License-Identifier: GPL-3.0-or-later

#include "wordlist/vocabfile.h"

#include "base/codepage.h"
#include "base/log.h"
#include "base/regularfile.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

VocabFile::~VocabFile()
{
    close();
}

bool VocabFile::open(const QString &path, Mode mode)
{
    if (isOpen())
        return false;
    m_fd = openRegularFile(path, mode == Mode::ReadWrite ? (O_RDWR | O_CREAT) : O_RDONLY);
    m_mode = mode;
    m_path = path;
    if (!isOpen()) {
        m_error = openFailure(errno);
        noteOnce(lcLists(), path, QStringLiteral("not opened: ") + m_error);
    }
    return isOpen();
}

void VocabFile::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

QString VocabFile::decodeRecord(const char *record, int length)
{
    const void *nul = std::memchr(record, 0, size_t(length));
    const int used = nul ? int(static_cast<const char *>(nul) - record) : length;
    return codepage::toUnicode(record, used);
}

bool VocabFile::isBlank(const QString &entry)
{
    return std::all_of(entry.begin(), entry.end(), [](QChar c) { return c == QLatin1Char(' '); });
}

bool VocabFile::isWordEntry(const QString &entry)
{
    return std::none_of(entry.begin(), entry.end(),
                        [](QChar c) { return c.category() == QChar::Other_Control; });
}

VocabFile::Content VocabFile::judge(const QStringList &entries)
{
    if (!std::all_of(entries.begin(), entries.end(), isWordEntry))
        return Content::NotWords;
    return std::all_of(entries.begin(), entries.end(), isBlank) ? Content::NoWords : Content::Words;
}

VocabFile::Fit VocabFile::fit(const QString &word)
{
    if (!isWordEntry(word) || !codepage::canWrite(word))
        return Fit::BadCharacter;
    // Counted as stored: an invisible character the code page leaves out
    // takes no room.
    return storedLength(word) > RecordLength ? Fit::TooLong : Fit::Fits;
}

QString VocabFile::unstorable(const QString &word)
{
    for (qsizetype i = 0; i < word.size(); ++i) {
        const qsizetype length = word.at(i).isHighSurrogate() && i + 1 < word.size() ? 2 : 1;
        QString character = word.mid(i, length);
        if (!isWordEntry(character) || !codepage::canWrite(character))
            return character;
        i += length - 1;
    }
    return {};
}

int VocabFile::storedLength(const QString &word)
{
    return int(codepage::fromUnicode(word).size());
}

QString VocabFile::shownAs(const QString &entry)
{
    qsizetype first = 0, last = entry.size();
    while (first < last && entry.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && entry.at(last - 1) == QLatin1Char(' '))
        --last;
    QString word = entry.mid(first, last - first);
    for (QChar &c : word)
        c = c.toUpper();
    return word;
}

QByteArray VocabFile::encodeRecord(const QString &word)
{
    QByteArray bytes = codepage::fromUnicode(word);
    // Cut by characters first so that a character outside the code page
    // still takes exactly one byte; then pad with spaces.
    bytes.truncate(RecordLength);
    bytes.append(RecordLength - bytes.size(), ' ');
    return bytes;
}

bool VocabFile::readBytes(QByteArray &bytes, qsizetype limit) const
{
    bytes.clear();
    if (!isOpen())
        return false;
    // The file is read in one go: a list file is small and one read is far
    // quicker than a read per record.
    struct stat st;
    if (::fstat(m_fd, &st) != 0)
        return false;
    const qsizetype want = qMin<qsizetype>(st.st_size, limit);
    bytes.resize(want);
    qsizetype have = 0;
    bool ok = true;
    while (have < want) {
        const ssize_t got = ::pread(m_fd, bytes.data() + have, size_t(want - have), off_t(have));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            ok = false;
        if (got <= 0)
            break;
        have += got;
    }
    bytes.truncate(have);
    if (!ok)
        noteOnce(lcLists(), m_path, QStringLiteral("read failed after %1 bytes").arg(have));
    return ok;
}

bool VocabFile::readEntries(const std::function<void(const QString &)> &sink) const
{
    // At most 458,738 bytes: nothing past the last record is read.
    QByteArray data;
    const bool ok = readBytes(data, qsizetype(LastRecord) * RecordLength);
    for (const QString &entry : entriesOf(data))
        sink(entry);
    return ok;
}

QStringList VocabFile::readEntries() const
{
    QStringList entries;
    readEntries([&entries](const QString &entry) { entries.append(entry); });
    return entries;
}

QStringList VocabFile::entriesOf(const QByteArray &bytes)
{
    QStringList entries;
    const qsizetype records = bytes.size() / RecordLength;
    entries.reserve(records);
    for (qsizetype n = 0; n < records; ++n)
        entries.append(decodeRecord(bytes.constData() + n * RecordLength, RecordLength));
    return entries;
}

bool VocabFile::writeRecord(int n, const QString &word)
{
    return writeBytes(n, encodeRecord(word));
}

bool VocabFile::writeBlankRecord(int n)
{
    return writeBytes(n, QByteArray(RecordLength, '\0'));
}

bool VocabFile::writeBytes(int n, const QByteArray &record)
{
    if (!isOpen() || m_mode != Mode::ReadWrite || n < 1 || n > LastRecord)
        return false;
    const off_t at = off_t(n - 1) * RecordLength;
    struct stat st;
    const off_t sizeBefore = ::fstat(m_fd, &st) == 0 ? st.st_size : -1;
    qsizetype done = 0;
    while (done < record.size()) {
        const ssize_t put = ::pwrite(m_fd, record.constData() + done, size_t(record.size() - done),
                                     at + done);
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0) {
            m_error = openFailure(put < 0 ? errno : ENOSPC);
            // A full disk or a size limit can take part of a record and then
            // stop. The part is taken off again: the file stays whole
            // records, and the records before it stay as they were.
            if (done > 0 && sizeBefore >= 0 && sizeBefore < at + done
                && ::ftruncate(m_fd, sizeBefore) != 0)
                noteOnce(lcLists(), m_path,
                         QStringLiteral("a part of record %1 stays at the end: %2")
                             .arg(n)
                             .arg(openFailure(errno)));
            return false;
        }
        done += put;
    }
    // A word the parent has written must survive a crash right after.
    if (::fdatasync(m_fd) == 0)
        return true;
    m_error = openFailure(errno);
    return false;
}
