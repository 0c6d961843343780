// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Hunspell dictionaries of a test's own, in a temporary folder: a .aff
// naming the encoding and a .dic with a handful of words is a whole
// dictionary, so no installed one is needed.

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

class TestDictionaries
{
public:
    // Each "NAME: word word ..." becomes NAME.aff and NAME.dic, in UTF-8 or,
    // for "ISO8859-1", in Latin-1.
    explicit TestDictionaries(const QStringList &dictionaries, const QByteArray &encoding = "UTF-8")
    {
        const bool latin1 = encoding == "ISO8859-1";
        for (const QString &dictionary : dictionaries) {
            const QString name = dictionary.section(u':', 0, 0);
            const QStringList words = dictionary.section(u':', 1).split(u' ', Qt::SkipEmptyParts);
            const QString dic = QString::number(words.size()) + u'\n' + words.join(u'\n') + u'\n';
            m_ok = m_ok
                   && write(name + QStringLiteral(".aff"),
                            "SET " + encoding + "\nTRY esiarntolcdugmphbyfvkw\n")
                   && write(name + QStringLiteral(".dic"), latin1 ? dic.toLatin1() : dic.toUtf8());
        }
    }
    QString folder() const { return m_dir.path(); }
    bool ok() const { return m_ok && m_dir.isValid(); }

private:
    bool write(const QString &name, const QByteArray &bytes) const
    {
        QFile file(m_dir.filePath(name));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }

    QTemporaryDir m_dir;
    bool m_ok = true;
};
