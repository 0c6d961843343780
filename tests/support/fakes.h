// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Test doubles for what the windows take from outside. Each records what it
// was asked, so a test can say which sound played or which dialog opened.

#include "base/clockrandomsource.h"
#include "base/randomsource.h"
#include "keys/letterrows.h"
#include "memorystore.h"
#include "sound/sampleplayer.h"
#include "sound/waveplayer.h"
#include "speech/voiceengine.h"
#include "speech/wordspeaker.h"
#include "spelling/spellcheck.h"
#include "ui/services.h"

#include <QHash>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <deque>
#include <functional>
#include <vector>

class FakeWavePlayer final : public WavePlayer
{
public:
    void PlayWave(const QString &path) override
    {
        ++count;
        if (recording)
            played.append(path);
        if (onPlay)
            onPlay(path);
    }
    // The names played, as the tables write them ("\claugh.wav"), for paths
    // inside the given program folder.
    QStringList names(const QString &programFolder) const
    {
        QStringList out;
        for (const QString &path : played) {
            QString name = path;
            if (name.startsWith(programFolder + QLatin1Char('/')))
                name = QLatin1Char('\\') + name.mid(programFolder.size() + 1);
            out.append(name);
        }
        return out;
    }
    QStringList played;
    long count = 0;
    // Off where only the count matters: a benchmark's keys would pile up
    // paths by the million.
    bool recording = true;
    std::function<void(const QString &)> onPlay;
};

// Notes each speech as its parts joined by " / " ("two / I have two
// hands. / two"), the language of each, and how often it was stopped.
class FakeWordSpeaker final : public WordSpeaker
{
public:
    void say(const Speech &speech) override
    {
        said.append(speech.parts.join(QStringLiteral(" / ")));
        saidIn.append(speech.language);
    }
    void stop() override { ++stops; }
    QStringList languages() override { return voices; }
    QStringList said;
    QStringList saidIn;
    int stops = 0;
    QStringList voices{QStringLiteral("en"), QStringLiteral("en-gb"), QStringLiteral("fr"),
                       QStringLiteral("de"), QStringLiteral("pl")};
};

class FakeSamplePlayer final : public SamplePlayer
{
public:
    void playSamples(const std::vector<short> &samples, int rate,
                     const std::atomic<bool> *stop = nullptr) override
    {
        if (!stop || !*stop)
            played.push_back({rate, samples});
    }
    std::vector<SpokenSound> played;
};

// A voice engine with the voices it is given, that says every text with the
// one sound it is given and notes what it was asked ("flite: because in
// en"). With asciiOnly it reads A to Z alone, as flite does.
struct FakeVoiceEngine final : VoiceEngine {
    QStringList languages() override
    {
        ++questions;
        return voices;
    }
    bool reads(const QString &text) override
    {
        return !asciiOnly
               || std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 128; });
    }
    SpokenSound say(const QString &text, const QString &language) override
    {
        said.append(name + QStringLiteral(": ") + text + QStringLiteral(" in ") + language);
        return sound;
    }
    QString name;
    QStringList voices;
    SpokenSound sound;
    bool asciiOnly = false;
    QStringList said;
    int questions = 0;
};

class FakeFileDialogs final : public FileDialogs
{
public:
    QString openFileName(QWidget *, const QString &filter, const QString &folder) override
    {
        openFilters.append(filter);
        folders.append(folder);
        return take(nextOpen);
    }
    QString saveFileName(QWidget *, const QString &filter, const QString &folder) override
    {
        saveFilters.append(filter);
        folders.append(folder);
        return take(nextSave);
    }
    // Answers for the coming dialogs, in order; an empty answer is Cancel.
    std::deque<QString> nextOpen;
    std::deque<QString> nextSave;
    QStringList openFilters;
    QStringList saveFilters;
    // The folder each dialog started in, open and save alike, in order.
    QStringList folders;

private:
    static QString take(std::deque<QString> &answers)
    {
        if (answers.empty())
            return {};
        QString answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

class FakeMessageBoxes final : public MessageBoxes
{
public:
    struct Shown {
        QString title;
        QString text;
    };
    void exclamation(QWidget *, const QString &title, const QString &text) override
    {
        shown.push_back({title, text});
    }
    Unsaved askToSave(QWidget *, const QString &title, const QString &text) override
    {
        asked.push_back({title, text});
        return answer;
    }
    bool askYesNo(QWidget *, const QString &title, const QString &text) override
    {
        asked.push_back({title, text});
        return yes;
    }
    std::vector<Shown> shown;
    std::vector<Shown> asked;
    Unsaved answer = Unsaved::Discard;
    bool yes = false;
};

// Replays chosen values; once they run out it answers 0.
class FakeRandomSource final : public RandomSource
{
public:
    void reseed() override { ++reseeds; }
    double next() override
    {
        ++draws;
        if (values.empty())
            return 0.0;
        const double v = values.front();
        values.pop_front();
        return v;
    }
    std::deque<double> values;
    int reseeds = 0;
    int draws = 0;
};

class FakeProgramEnd final : public ProgramEnd
{
public:
    void endNow() override { ++ended; }
    int ended = 0;
};

// A keyboard of the test's choosing: no rows (so the keys stand as
// written) until the test lays out others, which every watcher is told.
class FakeKeyboard final : public virtualkeys::KeyboardLetters
{
public:
    virtualkeys::LetterRows letterRows() override { return rows; }
    void watch(QObject *context,
               std::function<void(const virtualkeys::LetterRows &)> changed) override
    {
        watchers.push_back({context, std::move(changed)});
    }
    void layOut(const virtualkeys::LetterRows &newRows)
    {
        rows = newRows;
        for (const auto &[context, changed] : watchers)
            if (context)
                changed(rows);
    }
    virtualkeys::LetterRows rows;

private:
    std::vector<std::pair<QPointer<QObject>, std::function<void(const virtualkeys::LetterRows &)>>>
        watchers;
};

// Dictionaries of the test's choosing: every word is known but those it
// lists as misspelt, each with the spellings offered for it; every list is
// in `language`. Each question is recorded, and answered later, as the
// real dictionaries answer.
class FakeSpellCheck final : public SpellCheck
{
public:
    void languageOf(const QStringList &entries, QObject *context,
                    std::function<void(const QString &)> answer) override
    {
        asked.append(QStringLiteral("language of: ") + entries.join(QStringLiteral(", ")));
        later(context, [answer, language = language] { answer(language); });
    }
    void unknownWords(const QString &inLanguage, const QStringList &words, QObject *context,
                      std::function<void(const QStringList &)> answer) override
    {
        asked.append(
            QStringLiteral("unknown in %1: %2").arg(inLanguage, words.join(QStringLiteral(", "))));
        QStringList unknown;
        for (const QString &word : words) {
            if (misspelt.contains(word))
                unknown.append(word);
        }
        later(context, [answer, unknown] { answer(unknown); });
    }
    void suggestions(const QString &inLanguage, const QString &word, QObject *context,
                     std::function<void(const QStringList &)> answer) override
    {
        asked.append(QStringLiteral("suggestions in %1: %2").arg(inLanguage, word));
        later(context, [answer, offered = misspelt.value(word)] { answer(offered); });
    }
    QString language = QStringLiteral("en");
    QHash<QString, QStringList> misspelt;
    QStringList asked;

private:
    static void later(QObject *context, std::function<void()> call)
    {
        QMetaObject::invokeMethod(context, std::move(call), Qt::QueuedConnection);
    }
};

// Notes every report asked for, with the practice callback it was given, so
// a test can press "Practise The Hard Words" for the parent.
class FakeProgressReport final : public ProgressReport
{
public:
    struct Asked {
        QWidget *over = nullptr;
        progress::Store *store = nullptr;
        qint64 child = 0;
        Practise practise;
    };
    void show(QWidget *over, progress::Store &store, qint64 child, Practise practise) override
    {
        asked.push_back({over, &store, child, std::move(practise)});
    }
    std::vector<Asked> asked;
};

// One set of fakes, ready to hand to a window. The draws come from the fake
// source, or from the game's own clock-seeded one where a benchmark times
// the real thing.
struct FakeServices {
    enum class Draws { Fake, Clock };
    explicit FakeServices(const QString &programFolder, Draws draws = Draws::Fake)
        : services{player,
                   speaker,
                   dialogs,
                   messages,
                   draws == Draws::Clock ? static_cast<RandomSource &>(clock) : random,
                   ending,
                   keyboard,
                   spelling,
                   programFolder,
                   {},
                   &report,
                   &store}
    {}
    FakeWavePlayer player;
    FakeWordSpeaker speaker;
    FakeFileDialogs dialogs;
    FakeMessageBoxes messages;
    FakeRandomSource random;
    ClockRandomSource clock;
    FakeProgramEnd ending;
    FakeKeyboard keyboard;
    FakeSpellCheck spelling;
    FakeProgressReport report;
    MemoryStore store;
    Services services;
};
