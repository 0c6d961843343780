// SPDX-License-Identifier: GPL-3.0-or-later

// The voice: which engine says a word, what is played (stand-in engines, a
// recording player), and the engines' libraries, missing, broken and built.

#include "fakes.h"
#include "speech/backgroundspeaker.h"
#include "speech/enginelibrary.h"
#include "speech/speechsynth.h"
#include "speech/voicechooser.h"
#include "speech/wordspeaker.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLibraryInfo>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <mutex>

namespace {

// Stand-ins for the engines the game lists, those named present, in its
// order: flite's English, reading A to Z only; espeak-ng's many languages.
struct StandIns {
    explicit StandIns(const QString &present)
    {
        if (present.contains(QLatin1String("flite")))
            flite = add("flite", {"en"}, 8000, true);
        if (present.contains(QLatin1String("espeak-ng")))
            espeak = add("espeak-ng", {"en-gb", "en", "en-us", "fr-fr", "de"}, 22050, false);
    }
    FakeVoiceEngine *add(const char *name, const QStringList &voices, int rate, bool asciiOnly)
    {
        auto engine = std::make_unique<FakeVoiceEngine>();
        engine->name = QString::fromLatin1(name);
        engine->voices = voices;
        engine->asciiOnly = asciiOnly;
        // A word between 100 ms of silence each side, as an engine hands it over.
        engine->sound = {rate, std::vector<short>(rate / 10, 0)};
        engine->sound.samples.insert(engine->sound.samples.end(), {1000, -2000, 500});
        engine->sound.samples.resize(engine->sound.samples.size() + rate / 10);
        list.push_back(std::move(engine));
        return static_cast<FakeVoiceEngine *>(list.back().get());
    }
    QStringList asked() const
    {
        return (flite ? flite->said : QStringList()) + (espeak ? espeak->said : QStringList());
    }
    std::vector<std::unique_ptr<VoiceEngine>> list;
    FakeVoiceEngine *flite = nullptr;
    FakeVoiceEngine *espeak = nullptr;
};

const QString Both = QStringLiteral("flite espeak-ng");

} // namespace

class TestVoice : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("quillobrite.sound.info=true"));
    }

    void chooser_data()
    {
        QTest::addColumn<QString>("engines");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("ASCII English: flite") << Both << "because"
                                              << "en"
                                              << "flite";
        QTest::newRow("English with accents: espeak-ng's English") << Both << "café"
                                                                   << "en"
                                                                   << "espeak-ng";
        QTest::newRow("another language: its espeak-ng voice") << Both << "maison"
                                                               << "fr"
                                                               << "espeak-ng";
        QTest::newRow("a variety of English flite has no voice for") << Both << "because"
                                                                     << "en-us"
                                                                     << "espeak-ng";
        QTest::newRow("flite missing: espeak-ng's English") << "espeak-ng"
                                                            << "because"
                                                            << "en"
                                                            << "espeak-ng";
        QTest::newRow("a language with no voice: silence") << Both << "haus"
                                                           << "xx"
                                                           << "";
        QTest::newRow("the start of a language's code: silence") << Both << "because"
                                                                 << "f"
                                                                 << "";
        QTest::newRow("no engine at all: silence") << ""
                                                   << "because"
                                                   << "en"
                                                   << "";
    }
    void chooser()
    {
        QFETCH(QString, engines);
        QFETCH(QString, text);
        QFETCH(QString, language);
        StandIns standIns(engines);
        auto *chosen = static_cast<FakeVoiceEngine *>(chooseEngine(standIns.list, text, language));
        QTEST(chosen ? chosen->name : QString(), "chosen");
        // An engine after the chosen one is not asked, nor loaded.
        if (chosen && chosen == standIns.flite && standIns.espeak)
            QCOMPARE(standIns.espeak->questions, 0);
    }

    void speakerPlaysTheChosenVoice_data()
    {
        QTest::addColumn<QString>("engines");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("parts");
        QTest::addColumn<QStringList>("asked");
        QTest::addColumn<int>("rate"); // 0: nothing played
        QTest::newRow("English, in small letters to flite")
            << Both << "en" << QStringList{" Because "} << QStringList{"flite: because in en"}
            << 8000;
        QTest::newRow("a list in French, to espeak-ng")
            << Both << "fr" << QStringList{"because"} << QStringList{"espeak-ng: because in fr"}
            << 22050;
        QTest::newRow("a language no voice has: English")
            << Both << "xx" << QStringList{"because"} << QStringList{"flite: because in en"}
            << 8000;
        QTest::newRow("a word no engine reads: nothing played")
            << "flite"
            << "en" << QStringList{"café"} << QStringList() << 0;
        QTest::newRow("the word, its sentence, the word")
            << Both << "en" << QStringList{"two", "I have two hands.", "two"}
            << QStringList{"flite: two in en", "flite: i have two hands. in en", "flite: two in en"}
            << 8000;
    }
    void speakerPlaysTheChosenVoice()
    {
        QFETCH(QString, engines);
        QFETCH(QString, language);
        QFETCH(QStringList, parts);
        QFETCH(int, rate);
        StandIns standIns(engines);
        FakeSamplePlayer player;
        SpeechSynth synth(std::move(standIns.list));
        VoiceSpeaker(synth, player).say({parts, language});
        QTEST(standIns.asked(), "asked");
        QCOMPARE(player.played.size(), size_t(rate == 0 ? 0 : parts.size()));
        if (rate == 0)
            return;
        // From 30 ms before the word to 40 ms after it, peaking at -3 dBFS;
        // a teacher's pause after each part but the last.
        const int said = rate * 30 / 1000 + 3 + rate * 40 / 1000;
        for (size_t i = 0; i < player.played.size(); ++i) {
            const SpokenSound &played = player.played.at(i);
            QCOMPARE(played.rate, rate);
            const int pause = i + 1 < player.played.size() ? rate * VoiceSpeaker::PauseMs / 1000
                                                           : 0;
            QCOMPARE(int(played.samples.size()), said + pause);
            QCOMPARE(*std::min_element(played.samples.begin(), played.samples.end()),
                     short(-23199));
        }
    }

    // The game's voice speaks on a thread of its own: saying returns at
    // once, a new speech takes the place of the one being said, and stop()
    // returns once nothing is heard any more.
    void backgroundVoiceStopsAtOnce()
    {
        // A player that plays for a second unless stopped, and notes how
        // each sound ended.
        struct SlowPlayer final : SamplePlayer {
            void playSamples(const std::vector<short> &, int,
                             const std::atomic<bool> *stop) override
            {
                playing = true;
                QElapsedTimer clock;
                clock.start();
                while (clock.elapsed() < 1000 && !(stop && *stop))
                    QThread::msleep(2);
                const std::lock_guard<std::mutex> hold(lock);
                ended.append(stop && *stop ? QStringLiteral("stopped") : QStringLiteral("played"));
                playing = false;
            }
            QStringList endings()
            {
                const std::lock_guard<std::mutex> hold(lock);
                return ended;
            }
            std::atomic<bool> playing{false};
            std::mutex lock;
            QStringList ended;
        } player;
        BackgroundSpeaker speaker(
            [] { return std::make_unique<SpeechSynth>(std::move(StandIns(Both).list)); }, player);
        QElapsedTimer clock;
        clock.start();
        speaker.say({{"because"}, "en"});
        QVERIFY(clock.elapsed() < 100);
        QTRY_VERIFY(player.playing);
        clock.restart();
        speaker.stop();
        QVERIFY(clock.elapsed() < 100);
        QVERIFY(!player.playing);
        speaker.say({{"cat"}, "en"});
        QTRY_VERIFY(player.playing);
        speaker.say({{"dog"}, "en"});
        QTRY_COMPARE_WITH_TIMEOUT(player.endings(), (QStringList{"stopped", "stopped", "played"}),
                                  3000);
        QCOMPARE(speaker.languages(), (QStringList{"en", "en-gb", "en-us", "fr-fr", "de"}));
    }

    void brokenEngineLibraryIsSilence_data()
    {
        QTest::addColumn<QString>("file"); // copied from, "" for none
        QTest::addColumn<QString>("note");
        QTest::newRow("missing") << ""
                                 << "absent.so The shared library was not found";
        QTest::newRow("not a library")
            << QFINDTESTDATA("tst_voice.cpp") << "absent.so .*not a valid ELF object";
        QTest::newRow("a Qt plugin of another kind")
            << QLibraryInfo::path(QLibraryInfo::PluginsPath)
                   + QStringLiteral("/platforms/libqoffscreen.so")
            << "absent.so is no voice engine";
    }
    void brokenEngineLibraryIsSilence()
    {
        QFETCH(QString, file);
        QFETCH(QString, note);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("absent.so"));
        QVERIFY(file.isEmpty() || QFile::copy(file, path));
        QTest::ignoreMessage(QtInfoMsg, QRegularExpression(note));
        std::vector<std::unique_ptr<VoiceEngine>> engines;
        engines.push_back(std::make_unique<EngineLibrary>(path));
        SpeechSynth synth(std::move(engines));
        QVERIFY(synth.say(QStringLiteral("because"), QStringLiteral("en")).samples.empty());
    }

    // The engines as built, loaded as the game loads them: each has its
    // English voice and says a word with it.
    void builtEnginesSayEnglish()
    {
        const auto engines = engineLibraries(qEnvironmentVariable("QB_PROGRAM_DIR"));
        QVERIFY(!engines.empty());
        for (const auto &engine : engines) {
            QVERIFY(hasVoiceFor(*engine, QStringLiteral("en")));
            const SpokenSound sound = engine->say(QStringLiteral("because"), QStringLiteral("en"));
            QVERIFY(sound.rate > 0 && sound.samples.size() > size_t(sound.rate / 10));
        }
    }
};

QTEST_GUILESS_MAIN(TestVoice)
#include "tst_voice.moc"
