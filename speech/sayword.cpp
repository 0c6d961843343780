// SPDX-License-Identifier: GPL-3.0-or-later

// Developer tool: the game's voice saying words into wave files, for the
// end-to-end scenario that listens for a spoken word and for the benchmark
// that measures how well the words are understood.
//
//   qb_sayword [--language CODE] WORD OUT.wav
//   qb_sayword [--language CODE] --into FOLDER < WORDS.txt   (FOLDER/WORD.wav)
//
// The language is the desktop's unless given. The voice engines are this
// build tree's, beside the game.

#include "base/desktoplocale.h"
#include "speech/enginelibrary.h"
#include "speech/speechsynth.h"

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
    SpeechSynth synth(engineLibraries(QStringLiteral(QB_BUILD_ENGINE_DIR)));
    if (args.size() == 2 && args.first() == QLatin1String("--into")) {
        QTextStream in(stdin);
        int failed = 0;
        while (!in.atEnd()) {
            const QString word = in.readLine().trimmed();
            if (!word.isEmpty()
                && !writeWave(QDir(args.at(1)).filePath(word + QStringLiteral(".wav")),
                              synth.say(word, language)))
                ++failed;
        }
        return failed == 0 ? 0 : 1;
    }
    if (args.size() != 2) {
        std::fputs("usage: qb_sayword [--language CODE] WORD OUT.wav\n"
                   "       qb_sayword [--language CODE] --into FOLDER < WORDS.txt\n",
                   stderr);
        return 2;
    }
    const SpeechSynth::Sound sound = synth.say(args.at(0), language);
    return !sound.samples.empty() && writeWave(args.at(1), sound) ? 0 : 1;
}
