// SPDX-License-Identifier: GPL-3.0-or-later

// Developer tool: the game's voice saying words into wave files, for the
// end-to-end scenario that listens for a spoken word and for the benchmark
// that measures how well the words are understood.
//
//   qb_sayword [--language CODE] WORD OUT.wav
//   qb_sayword [--language CODE] [--game | --sentence] --into FOLDER < WORDS.txt
//                                                        (FOLDER/WORD.wav)
//
// --game says each word as the game gives it to the voice to say alone
// (the sentence bank's spoken form: "reed" for read); --sentence says the
// word's sentence from the bank instead. The language is the desktop's
// unless given. The voice engines and the sentence bank are this build
// tree's, beside the game.

#include "base/desktoplocale.h"
#include "speech/enginelibrary.h"
#include "speech/speechsynth.h"
#include "wordlist/sentencebank.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QTextStream>

#include <cstdio>

namespace {

// A 16-bit mono PCM wave file.
bool writeWave(const QString &path, const SpeechSynth::Sound &sound)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const auto bytes = quint32(sound.samples.size() * sizeof(short));
    QByteArray header;
    QDataStream out(&header, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + bytes);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(sound.rate) << quint32(sound.rate * 2)
        << quint16(2) << quint16(16);
    out.writeRawData("data", 4);
    out << bytes;
    return file.write(header) == header.size()
           && file.write(reinterpret_cast<const char *>(sound.samples.data()), bytes) == bytes;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    QString language = desktopLanguage();
    if (args.size() >= 2 && args.first() == QLatin1String("--language")) {
        language = args.at(1);
        args = args.mid(2);
    }
    const QString what = args.value(0);
    const bool fromBank = what == QLatin1String("--game") || what == QLatin1String("--sentence");
    if (fromBank)
        args.removeFirst();
    SpeechSynth synth(engineLibraries(QStringLiteral(QB_BUILD_PROGRAM_DIR)));
    if (args.size() == 2 && args.first() == QLatin1String("--into")) {
        const SentenceBank bank = fromBank ? SentenceBank::load(
                                      QStringLiteral(QB_BUILD_PROGRAM_DIR "/sentences.txt"))
                                           : SentenceBank();
        // What the voice is given for a word: as written, as the game gives
        // it alone, or its sentence; nothing when the bank has no sentence.
        const auto text = [&](const QString &word) -> QString {
            if (what == QLatin1String("--game"))
                return bank.speechFor(word, false).constFirst();
            if (what == QLatin1String("--sentence")) {
                const SentenceBank::Entry *entry = bank.find(word);
                return entry ? entry->sentence : QString();
            }
            return word;
        };
        QTextStream in(stdin);
        int failed = 0;
        while (!in.atEnd()) {
            const QString word = in.readLine().trimmed();
            if (word.isEmpty())
                continue;
            const QString said = text(word);
            if (said.isEmpty()
                || !writeWave(QDir(args.at(1)).filePath(word + QStringLiteral(".wav")),
                              synth.say(said, language)))
                ++failed;
        }
        return failed == 0 ? 0 : 1;
    }
    if (args.size() != 2 || fromBank) {
        std::fputs(
            "usage: qb_sayword [--language CODE] WORD OUT.wav\n"
            "       qb_sayword [--language CODE] [--game | --sentence] --into FOLDER < WORDS.txt\n",
            stderr);
        return 2;
    }
    const SpeechSynth::Sound sound = synth.say(args.at(0), language);
    return !sound.samples.empty() && writeWave(args.at(1), sound) ? 0 : 1;
}
