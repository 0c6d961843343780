// SPDX-License-Identifier: GPL-3.0-or-later

// Build tool: turns a plain word list (one word per line) into a word-list
// file with the program's own writer, so the grade files are byte for byte
// what the game reads.

#include "wordlist/vocabfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s WORDS.txt OUT.dat\n", argv[0]);
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    if (!in.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    QStringList words;
    QTextStream text(&in);
    while (!text.atEnd()) {
        const QString word = text.readLine().trimmed();
        if (word.isEmpty())
            continue;
        if (word.size() > VocabFile::RecordLength) {
            std::fprintf(stderr, "%s: \"%s\" is longer than %d letters\n", argv[1],
                         qPrintable(word), VocabFile::RecordLength);
            return 1;
        }
        words.append(word);
    }

    const QString outName = QString::fromLocal8Bit(argv[2]);
    QFile::remove(outName);
    VocabFile out;
    if (!out.open(outName, VocabFile::Mode::ReadWrite)) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    for (int i = 0; i < words.size(); ++i) {
        if (!out.writeRecord(i + 1, words.at(i))) {
            std::fprintf(stderr, "cannot write record %d of %s\n", i + 1, argv[2]);
            return 1;
        }
    }
    return 0;
}
