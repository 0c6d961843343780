// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "wordlist/vocabfile.h"

#include <QString>
#include <QStringList>

// Writes the game's own list files. A new list starts with its blank
// records, so that a list of fewer words still reads back as that many
// entries; then each word goes to its record. The editor writes in stages
// (the blank records at Make File, one word at each Add To File), the list
// tool writes a whole list at once: both through here.
class ListWriter
{
public:
    // Opens the file for writing (created when missing, never truncated)
    // and writes records 1 to VocabFile::BlankRecords blank, each on disk
    // before the next. Fails when the file is open already, or it cannot be
    // opened or written; it is then closed again.
    bool create(const QString &path);
    bool isOpen() const { return m_file.isOpen(); }
    // The word at record n, padded or cut to a record.
    bool write(int n, const QString &word);
    void close() { m_file.close(); }
    // Why the last create or write failed, in words.
    QString errorString() const { return m_file.errorString(); }

    // A whole list, its words at records 1, 2, 3...: written beside the
    // file and given its name only when whole, so a failed write leaves
    // what was there; a new file gets the permissions the umask gives. The
    // reason of a failure goes to `error`.
    static bool writeWhole(const QString &path, const QStringList &words, QString *error);

private:
    VocabFile m_file;
};
