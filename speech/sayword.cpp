// SPDX-License-Identifier: GPL-3.0-or-later

// Developer tool: the game's voice saying words into wave files, for the
// end-to-end scenario that listens for a spoken word and for the benchmark
// that measures how well the words are understood.
//
//   qb_sayword [--language CODE] WORD OUT.wav
//   qb_sayword [--language CODE] [--alone | --next-word | --sentence]
//              --into FOLDER < WORDS.txt                  (FOLDER/WORD.wav)
//
// As written, each word is given to the voice as it is. --alone gives it
// as the game does when it says the word alone (the sentence bank's spoken
// form: "reed" for read); --next-word says everything the game says when
// the word comes up, the word alone or the word, its sentence and the word
// with the game's pauses; --sentence says the word's sentence alone. The
// language is the desktop's unless given. The voice engines and the
// sentence bank are this build tree's, beside the game. With --into, each
// word is printed with what the voice was given for it, the parts
// separated by " / ".

#include "base/desktoplocale.h"
#include "sound/sampleplayer.h"
#include "speech/enginelibrary.h"
#include "speech/speechsynth.h"
#include "speech/wordspeaker.h"
#include "wordlist/sentencebank.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QTextStream>

#include <cstdio>

namespace {

// The game's player, but into memory: what the voice says, pauses and all,
// becomes one sound.
class Recorder final : public SamplePlayer
{
public:
    void playSamples(const std::vector<short> &samples, int rate,
                     const std::atomic<bool> * /*stop*/) override
    {
        sound.rate = rate;
        sound.samples.insert(sound.samples.end(), samples.begin(), samples.end());
    }
    SpeechSynth::Sound sound;
};

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
    const QString how = args.value(0);
    const bool fromBank = how == QLatin1String("--alone") || how == QLatin1String("--next-word")
                          || how == QLatin1String("--sentence");
    if (fromBank)
        args.removeFirst();
    const bool into = args.size() == 2 && args.first() == QLatin1String("--into");
    if (args.size() != 2 || (fromBank && !into)) {
        std::fputs("usage: qb_sayword [--language CODE] WORD OUT.wav\n"
                   "       qb_sayword [--language CODE] [--alone | --next-word | --sentence]\n"
                   "                  --into FOLDER < WORDS.txt\n",
                   stderr);
        return 2;
    }
    SpeechSynth synth(engineLibraries(QStringLiteral(QB_BUILD_PROGRAM_DIR)));
    const SentenceBank bank = fromBank ? SentenceBank::load(
                                  QStringLiteral(QB_BUILD_PROGRAM_DIR "/sentences.txt"))
                                       : SentenceBank();
    // What the voice is given for a word; nothing for a sentence the bank
    // does not have.
    const auto parts = [&](const QString &word) -> QStringList {
        if (how == QLatin1String("--alone"))
            return {bank.speechFor(word, false).constFirst()};
        if (how == QLatin1String("--next-word"))
            return bank.speechFor(word, false);
        if (how == QLatin1String("--sentence")) {
            const SentenceBank::Entry *entry = bank.find(word);
            return entry ? QStringList{entry->sentence} : QStringList{};
        }
        return {word};
    };
    // Said as the game says it, through its own speaker.
    QTextStream told(stdout);
    const auto say = [&](const QString &word, const QString &path) {
        Recorder recorder;
        VoiceSpeaker speaker(synth, recorder);
        const QStringList said = parts(word);
        speaker.say({said, language});
        if (into)
            told << word << '\t' << said.join(QStringLiteral(" / ")) << Qt::endl;
        return !said.isEmpty() && !recorder.sound.samples.empty()
               && writeWave(path, recorder.sound);
    };
    if (!into)
        return say(args.at(0), args.at(1)) ? 0 : 1;
    QTextStream in(stdin);
    int failed = 0;
    while (!in.atEnd()) {
        const QString word = in.readLine().trimmed();
        if (!word.isEmpty() && !say(word, QDir(args.at(1)).filePath(word + QStringLiteral(".wav"))))
            ++failed;
    }
    return failed == 0 ? 0 : 1;
}
