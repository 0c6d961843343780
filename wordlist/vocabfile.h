// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// A word-list file: fixed 14-byte records, one word each, numbered from 1,
// with no header. A word is stored in Windows-1252, left-aligned and padded
// with spaces; a blank record is 14 NUL bytes.
class VocabFile
{
public:
    static constexpr int RecordLength = 14;
    // Record numbers are 16-bit: nothing past this record is read or written.
    static constexpr int LastRecord = 32767;
    // A new list starts with this many blank records (the list editor's
    // "Make File"), so that a list of fewer words still reads back as this
    // many entries.
    static constexpr int BlankRecords = 10;

    enum class Mode {
        // Loading a list never writes, so a read-only grade file still loads
        // and a missing one is not created.
        ReadOnly,
        // The editor's file: created when missing, never truncated.
        ReadWrite,
    };

    VocabFile() = default;
    ~VocabFile();
    VocabFile(const VocabFile &) = delete;
    VocabFile &operator=(const VocabFile &) = delete;

    // Only regular files are opened: a directory, FIFO or device is refused
    // at once without blocking. Opening an open handle fails and leaves the
    // file that is open as it was.
    bool open(const QString &path, Mode mode);
    bool isOpen() const { return m_fd >= 0; }
    // Closing a handle that is not open does nothing.
    void close();

    // Hands each entry to the sink in record order, 1 to the last whole
    // record (at most LastRecord). An entry is the record's characters up to
    // the first NUL, trailing spaces kept; a blank record is the empty text.
    // A trailing fragment shorter than a record is not a record and is
    // ignored. Returns false when reading failed part-way; the entries handed
    // over until then stay handed over.
    bool readEntries(const std::function<void(const QString &)> &sink) const;
    QStringList readEntries() const;
    // The file's bytes from its start, at most `limit` of them. Returns
    // false when reading failed part-way, the bytes read until then in
    // `bytes`.
    bool readBytes(QByteArray &bytes, qsizetype limit) const;

    // Stores the word padded or cut to 14 characters at record n (1 to
    // LastRecord), extending the file as needed, and has it on disk before
    // returning. Fails, writing nothing, for a record number out of range or
    // a handle not open for writing.
    bool writeRecord(int n, const QString &word);
    bool writeBlankRecord(int n);
    // Why the last open or write failed, in words.
    QString errorString() const { return m_error; }

    // Whether a word is stored whole: at most 14 characters, each one the
    // code page writes, and no control character. A word that does not fit
    // would be cut or changed on writing.
    enum class Fit { Fits, TooLong, BadCharacter };
    static Fit fit(const QString &word);
    // The first character of a word that a list cannot store (a control
    // character, or one outside the code page); the empty text when there is
    // none. A character beyond the Basic Multilingual Plane comes whole.
    static QString unstorable(const QString &word);
    // How many characters a word takes in a record.
    static int storedLength(const QString &word);

    // A word as the game puts it on screen and compares it: the spaces
    // around it trimmed (a tab stays a character of the word) and every
    // letter a capital, letter by letter, so that the word keeps its length
    // ("ß" stays "ß").
    static QString shownAs(const QString &entry);

    // A blank entry is no word: a blank record, or one of spaces only.
    static bool isBlank(const QString &entry);
    // Whether an entry can be read as a word: no control character in it.
    // The bytes of a picture, a program or any file that is no word list
    // give entries that hold some.
    static bool isWordEntry(const QString &entry);
    // What a file's entries are to the game: a word list, a list without a
    // word in it, or no word list at all.
    enum class Content { Words, NoWords, NotWords };
    static Content judge(const QStringList &entries);

    // The entries of a list file's bytes, one for each whole record, however
    // many; a trailing fragment shorter than a record is not one.
    static QStringList entriesOf(const QByteArray &bytes);

    // The 14 bytes a word is stored as.
    static QByteArray encodeRecord(const QString &word);
    // The entry a record of up to 14 bytes reads back as.
    static QString decodeRecord(const char *record, int length);

private:
    bool writeBytes(int n, const QByteArray &record);

    int m_fd = -1;
    Mode m_mode = Mode::ReadOnly;
    QString m_path; // for the log
    QString m_error;
};
