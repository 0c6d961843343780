// SPDX-License-Identifier: GPL-3.0-or-later

#include "wordlist/listwriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>

bool ListWriter::create(const QString &path)
{
    if (!m_file.open(path, VocabFile::Mode::ReadWrite))
        return false;
    for (int n = 1; n <= VocabFile::BlankRecords; ++n) {
        // A file that takes no more (a full disk, a size limit) is let go,
        // so that the next create can open one again.
        if (!m_file.writeBlankRecord(n)) {
            m_file.close();
            return false;
        }
    }
    return true;
}

bool ListWriter::write(int n, const QString &word)
{
    return m_file.writeRecord(n, word);
}

bool ListWriter::writeWhole(const QString &path, const QStringList &words, QString *error)
{
    const QFileInfo target(path);
    QTemporaryFile part(
        target.absoluteDir().filePath(QStringLiteral(".%1.XXXXXX").arg(target.fileName())));
    if (!part.open()) {
        *error = part.errorString();
        return false;
    }
    ListWriter list;
    bool ok = list.create(part.fileName());
    for (qsizetype i = 0; ok && i < words.size(); ++i)
        ok = list.write(int(i + 1), words.at(i));
    if (!ok)
        *error = list.errorString();
    list.close();
    if (!ok)
        return false;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    if (::chmod(QFile::encodeName(part.fileName()).constData(), 0666 & ~mask) != 0
        || std::rename(QFile::encodeName(part.fileName()).constData(),
                       QFile::encodeName(path).constData())
               != 0) {
        *error = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    part.setAutoRemove(false);
    return true;
}
