// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A temporary program folder with word lists of a test's own choosing.

#include "wordlist/vocabfile.h"

#include <QFile>
#include <QRandomGenerator>
#include <QStringList>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>

// Bytes of a seeded random source: the same for the same seed.
inline QByteArray randomBytes(qsizetype size, quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &b : bytes)
        b = char(random.bounded(256));
    return bytes;
}

class TestFolder
{
public:
    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const { return m_dir.filePath(name); }

    // Writes a word-list file with one record per word, as the editor
    // writes them; an empty word is a blank record. Written in one go: the
    // editor's own writer syncs each record, which takes minutes for a long
    // list.
    bool writeList(const QString &name, const QStringList &words) const
    {
        QByteArray bytes;
        bytes.reserve(words.size() * VocabFile::RecordLength);
        for (const QString &word : words)
            bytes += word.isEmpty() ? QByteArray(VocabFile::RecordLength, '\0')
                                    : VocabFile::encodeRecord(word);
        QFile::remove(file(name));
        return writeBytes(name, bytes);
    }

    bool writeBytes(const QString &name, const QByteArray &bytes) const
    {
        QFile f(file(name));
        return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
    }

    QByteArray readBytes(const QString &name) const
    {
        QFile f(file(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private:
    QTemporaryDir m_dir;
};

// While it lives, no file of this process may grow past the given size, the
// way a disk fills up: a write that would pass it fails instead of ending
// the program.
class WriteLimit
{
public:
    explicit WriteLimit(rlim_t bytes)
    {
        m_ok = ::getrlimit(RLIMIT_FSIZE, &m_saved) == 0;
        rlimit full = m_saved;
        full.rlim_cur = bytes;
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        m_ok = m_ok && ::setrlimit(RLIMIT_FSIZE, &full) == 0;
    }
    ~WriteLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }
    WriteLimit(const WriteLimit &) = delete;
    WriteLimit &operator=(const WriteLimit &) = delete;

    bool ok() const { return m_ok; }

private:
    rlimit m_saved{};
    void (*m_handler)(int) = SIG_DFL;
    bool m_ok = false;
};
