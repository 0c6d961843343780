// SPDX-License-Identifier: GPL-3.0-or-later

// quillobrite-list: word-list files from the command line.
//
//   quillobrite-list make [--force] WORDS.txt LIST.dat
//   quillobrite-list show LIST.dat
//   quillobrite-list check LIST.dat
//
// Exit status: 0 all well, 1 problems found in the words or the list, 2 a
// usage or input/output error. Messages go to stderr as "FILE:LINE: what".

#include "base/desktoplocale.h"
#include "base/programpath.h"
#include "base/translations.h"
#include "spelling/dictionaries.h"
#include "wordlist/listwriter.h"
#include "wordlist/textlist.h"
#include "wordlist/vocabfile.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <cstdio>

namespace {

// The tool's texts, translated in the context "ListTool".
struct ListTool {
    Q_DECLARE_TR_FUNCTIONS(ListTool)
};

constexpr int Ok = 0, Problems = 1, Trouble = 2;
constexpr int BlankRecords = VocabFile::BlankRecords;

const char *const Usage = QT_TRANSLATE_NOOP(
    "ListTool", "Usage: quillobrite-list make [--force] WORDS.txt LIST.dat\n"
                "       quillobrite-list show LIST.dat\n"
                "       quillobrite-list check LIST.dat\n");

const char *const Help = QT_TRANSLATE_NOOP(
    "ListTool", "Make, show and check the word-list files Quillobrite plays.\n"
                "\n"
                "  make WORDS.txt LIST.dat  write the words of a text file into a new list\n"
                "                           file: one word per line (commas, tabs and\n"
                "                           semicolons also separate words; a line starting\n"
                "                           with # is a comment). It is read as UTF-8; a\n"
                "                           file that is not UTF-8 but whose every byte is\n"
                "                           a character of Windows-1252 (Latin-1 text) is\n"
                "                           read as Windows-1252, and the tool says so; any\n"
                "                           other is refused whole, naming its first line\n"
                "                           that is not UTF-8: no word is ever cut short\n"
                "  show LIST.dat            print the words of a list file, one per line\n"
                "  check LIST.dat           report what the game would refuse or never read,\n"
                "                           and note the words the spelling dictionary of\n"
                "                           the list's language does not know (names and\n"
                "                           new words are no fault: they leave the exit\n"
                "                           status as it is)\n"
                "\n"
                "  -f, --force    write over LIST.dat; leave out the words a list cannot\n"
                "                 store (over 14 letters, a character outside Windows-1252,\n"
                "                 a word already listed) instead of writing nothing\n"
                "  -h, --help     show this help\n"
                "  -V, --version  show the version\n"
                "\n"
                "Exit status: 0 all well, 1 problems found, 2 usage or input/output error.\n");

void say(const QString &text)
{
    std::fputs(text.toUtf8().constData(), stderr);
    std::fputc('\n', stderr);
}

// "FILE: what" or "FILE:LINE: what", as compilers and linters put it.
void report(const QString &file, int line, const QString &what)
{
    say(line > 0 ? QStringLiteral("%1:%2: %3").arg(file).arg(line).arg(what)
                 : QStringLiteral("%1: %2").arg(file, what));
}

int usageError(const QString &what)
{
    say(ListTool::tr("quillobrite-list: %1").arg(what));
    std::fputs(ListTool::tr(Usage).toUtf8().constData(), stderr);
    std::fputs(ListTool::tr("Try 'quillobrite-list --help' for more.\n").toUtf8().constData(),
               stderr);
    return Trouble;
}

bool readAll(const QString &path, QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        report(path, 0, file.errorString());
        return false;
    }
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        report(path, 0, file.errorString());
        return false;
    }
    return true;
}

QString quoted(const QString &word)
{
    return u'"' + word + u'"';
}

// The words of a text file; a word a list cannot store is reported with its
// line and left out. Returns the number of words left out.
int readWords(const QString &path, const QString &text, QStringList &words)
{
    int refused = 0;
    QSet<QString> seen;
    for (const textlist::Word &word : textlist::words(text)) {
        QString problem;
        switch (VocabFile::fit(word.text)) {
        case VocabFile::Fit::TooLong:
            problem = ListTool::tr("%1 is longer than %2 letters")
                          .arg(quoted(word.text))
                          .arg(VocabFile::RecordLength);
            break;
        case VocabFile::Fit::BadCharacter:
            problem = ListTool::tr("%1 holds a character a list cannot store "
                                   "(outside Windows-1252)")
                          .arg(quoted(word.text));
            break;
        case VocabFile::Fit::Fits:
            // The game shows every word in capitals: "Cat" and "cat" are
            // the same word to practise.
            if (seen.contains(word.text.toCaseFolded()))
                problem = ListTool::tr("%1 is listed already").arg(quoted(word.text));
            break;
        }
        if (!problem.isEmpty()) {
            report(path, word.line, problem);
            ++refused;
            continue;
        }
        seen.insert(word.text.toCaseFolded());
        words.append(word.text);
    }
    return refused;
}

// Writes the words as the game's editor does: records 1 to 10 blank first,
// then each word at the next record from 1, the file taking its name only
// when whole.
bool writeList(const QString &path, const QStringList &words)
{
    QString why;
    if (ListWriter::writeWhole(path, words, &why))
        return true;
    report(path, 0, ListTool::tr("could not be written (%1)").arg(why));
    return false;
}

int make(const QString &wordsPath, const QString &listPath, bool force)
{
    if (!force && QFileInfo::exists(listPath)) {
        report(listPath, 0, ListTool::tr("exists already; --force writes over it"));
        return Trouble;
    }
    QByteArray bytes;
    if (!readAll(wordsPath, bytes))
        return Trouble;
    // Never a word cut short: bytes that are no text are refused whole.
    const textlist::Decoded text = textlist::decode(bytes);
    if (!text.ok()) {
        report(wordsPath, text.badLine, ListTool::tr("not UTF-8 text"));
        return Problems;
    }
    if (text.encoding == textlist::Encoding::Windows1252)
        report(wordsPath, 0, ListTool::tr("not UTF-8: read as Windows-1252"));
    QStringList words;
    const int refused = readWords(wordsPath, text.text, words);
    if (refused > 0 && !force) {
        report(listPath, 0,
               ListTool::tr("not written: %n word(s) cannot be stored; "
                            "--force leaves them out",
                            nullptr, refused));
        return Problems;
    }
    if (words.isEmpty()) {
        report(wordsPath, 0, ListTool::tr("holds no words; nothing written"));
        return Problems;
    }
    if (words.size() > VocabFile::LastRecord) {
        report(
            wordsPath, 0,
            ListTool::tr("holds more than %1 words; nothing written").arg(VocabFile::LastRecord));
        return Problems;
    }
    if (!writeList(listPath, words))
        return Trouble;
    if (words.size() < BlankRecords)
        report(listPath, 0,
               ListTool::tr("only %n word(s): records %1 to %2 stay blank, as the "
                            "game's editor leaves them",
                            nullptr, int(words.size()))
                   .arg(words.size() + 1)
                   .arg(BlankRecords));
    return Ok;
}

// A list file read line by line as show prints it: each record's word, or a
// mark where there is none. A blank record (the editor's and make's
// placeholder, passed over by the game) is only marked; a problem is what
// the game would refuse (control characters, a file without a word) or
// never read (a record past the last one it reads, a fragment shorter than
// a record after the last one).
struct Line {
    qsizetype record; // 0 for a remark on the whole file
    QString text;
    bool mark;
    bool problem;
};

QList<Line> readList(const QByteArray &bytes)
{
    QList<Line> lines;
    QStringList entries;
    const QStringList all = VocabFile::entriesOf(bytes);
    const qsizetype records = all.size();
    for (qsizetype n = 1; n <= records; ++n) {
        const QString &entry = all.at(n - 1);
        if (n > VocabFile::LastRecord) {
            lines.append({n, ListTool::tr("past record %1, never read").arg(VocabFile::LastRecord),
                          true, true});
            continue;
        }
        entries.append(entry);
        if (!VocabFile::isWordEntry(entry))
            lines.append(
                {n, ListTool::tr("control characters: the game refuses the file"), true, true});
        else if (VocabFile::isBlank(entry))
            lines.append({n, ListTool::tr("blank record"), true, false});
        else
            lines.append({n, entry.trimmed(), false, false});
    }
    if (const qsizetype rest = bytes.size() % VocabFile::RecordLength)
        lines.append(
            {records + 1,
             ListTool::tr("trailing fragment of %n byte(s), never read", nullptr, int(rest)), true,
             true});
    if (VocabFile::judge(entries) == VocabFile::Content::NoWords)
        lines.append({0, ListTool::tr("holds no words: the game refuses the file"), true, true});
    return lines;
}

QString markText(const Line &line)
{
    return line.record > 0 ? ListTool::tr("record %1: %2").arg(line.record).arg(line.text)
                           : line.text;
}

// The words one per line, each mark in its place as a comment line, so that
// the output may be edited and made into a list again.
int show(const QString &path)
{
    QByteArray bytes;
    if (!readAll(path, bytes))
        return Trouble;
    for (const Line &line : readList(bytes)) {
        std::fputs(
            (line.mark ? QStringLiteral("# ") + markText(line) : line.text).toUtf8().constData(),
            stdout);
        std::fputc('\n', stdout);
    }
    return std::fflush(stdout) == 0 ? Ok : Trouble;
}

// Notes each word of the list that the dictionary of its language (the one
// that knows most of its words) does not know. A note, not a problem: a
// name or a new word may be spelt right.
void noteSpelling(const QString &path, const QList<Line> &lines)
{
    QList<const Line *> entries;
    QStringList words;
    for (const Line &line : lines) {
        if (!line.mark) {
            entries.append(&line);
            words.append(line.text);
        }
    }
    Dictionaries dictionaries(Dictionaries::standardFolders(), desktopLocale());
    const QString language = dictionaries.languageOf(words);
    if (dictionaries.dictionaryName(language).isEmpty()) {
        report(path, 0,
               ListTool::tr("no spelling dictionary for the language \"%1\": spelling not checked")
                   .arg(language));
        return;
    }
    for (const Line *entry : std::as_const(entries)) {
        QStringList inEntry;
        for (const spelling::Span &span : spelling::wordsIn(entry->text))
            inEntry.append(entry->text.mid(span.start, span.length));
        for (const QString &word : dictionaries.unknown(language, inEntry))
            report(path, 0,
                   ListTool::tr("record %1: %2 is not in the %3 dictionary")
                       .arg(entry->record)
                       .arg(quoted(word), language));
    }
}

int check(const QString &path)
{
    QByteArray bytes;
    if (!readAll(path, bytes))
        return Trouble;
    int problems = 0;
    const QList<Line> lines = readList(bytes);
    for (const Line &line : lines) {
        if (line.problem) {
            report(path, 0, markText(line));
            ++problems;
        }
    }
    noteSpelling(path, lines);
    return problems == 0 ? Ok : Problems;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    installTranslations(programFolder(executableFolder()));
    QCommandLineParser parser;
    // The help and the messages are the tool's own, as its manual page gives
    // them, not the parser's.
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("V"), QStringLiteral("version")});
    const QCommandLineOption force(QStringList{QStringLiteral("f"), QStringLiteral("force")});
    parser.addOptions({help, version, force});
    if (!parser.parse(QCoreApplication::arguments()) && !parser.unknownOptionNames().isEmpty()) {
        const QString name = parser.unknownOptionNames().constFirst();
        return usageError(
            ListTool::tr("unknown option %1%2")
                .arg(name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), name));
    }
    if (parser.isSet(help)) {
        std::fputs(ListTool::tr(Usage).toUtf8().constData(), stdout);
        std::fputs("\n", stdout);
        std::fputs(ListTool::tr(Help).toUtf8().constData(), stdout);
        return Ok;
    }
    if (parser.isSet(version)) {
        std::fputs("quillobrite-list " QB_VERSION "\n", stdout);
        return Ok;
    }
    QStringList args = parser.positionalArguments();
    if (args.isEmpty())
        return usageError(ListTool::tr("no command given"));
    const QString command = args.takeFirst();
    const qsizetype wanted = command == QLatin1String("make") ? 2 : 1;
    if (command != QLatin1String("make") && command != QLatin1String("show")
        && command != QLatin1String("check"))
        return usageError(ListTool::tr("unknown command %1").arg(command));
    if (args.size() != wanted)
        return usageError(
            ListTool::tr("%1 takes %n file name(s)", nullptr, int(wanted)).arg(command));
    if (parser.isSet(force) && command != QLatin1String("make"))
        return usageError(ListTool::tr("--force goes with make only"));
    if (command == QLatin1String("make"))
        return make(args.at(0), args.at(1), parser.isSet(force));
    return command == QLatin1String("show") ? show(args.at(0)) : check(args.at(0));
}
